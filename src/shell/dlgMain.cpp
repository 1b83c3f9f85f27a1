#include "shell/dlgMain.h"

#include "common/uGlobals.h"
#include "dialogs/dlgAbout.h"
#include "dialogs/dlgSetup.h"
#include "shell/ItemLabel.h"
#include "shell/ShellSession.h"
#include "skins/SkinControls.h"
#include "skins/SkinManager.h"
#include "support/WindowChannel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor {

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

TFrmVantorMain::TFrmVantorMain(TShellSession& ASession, QWidget* AParent) : QMainWindow(AParent), session_(ASession)
{
    // The updater finds the running program by this name.
    setObjectName(QStringLiteral("TFrmVantorMain"));
    setWindowTitle(QStringLiteral("Vantor"));
    createControls();
}

TFrmVantorMain::~TFrmVantorMain()
{
    // Closing moves the focus off an entry while QWidget tears the window down;
    // by then the entries' handlers would reach a half-destroyed window.
    for (auto* label : findChildren<TItemLabel*>())
        label->disconnect(this);
}

void TFrmVantorMain::createControls()
{
    setFont(PixelFont(QStringLiteral("Tahoma"), 11));
    // The skin goes on before the controls exist, so that each is polished
    // once as it is made rather than all again when the sheet arrives.
    sSkinManager = new TSkinManager(this);
    ApplySkin(*sSkinManager, GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* title = new TSkinLabel(client);
    title->setObjectName(QStringLiteral("pnlTitle"));
    title->setFixedHeight(TitleBandHeight);
    title->setFont(PixelFont(QStringLiteral("Arial"), 27, true));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setTextFormat(Qt::PlainText); // the engine's product name, not markup
    title->setText(QStringLiteral(" Vantor"));
    SetSkinSection(title, QStringLiteral("MENUBTN"));
    pnlTitle = title;
    layout->addSpacing(TitleBandTopMargin);
    layout->addWidget(pnlTitle);

    pnlContainer = new QFrame(client);
    pnlContainer->setObjectName(QStringLiteral("pnlContainer"));
    static_cast<QFrame*>(pnlContainer)->setFrameShape(QFrame::Box);
    static_cast<QFrame*>(pnlContainer)->setLineWidth(1);
    SetSkinSection(pnlContainer, QStringLiteral("CHECKBOX"));
    // Hidden on the welcome view, the container still fills the rest of the window.
    QSizePolicy containerPolicy = pnlContainer->sizePolicy();
    containerPolicy.setRetainSizeWhenHidden(true);
    pnlContainer->setSizePolicy(containerPolicy);
    layout->addWidget(pnlContainer, 1);

    // The welcome panel and the logo lie over the container, placed by hand.
    pnlWelcome = new QFrame(client);
    pnlWelcome->setObjectName(QStringLiteral("pnlWelcome"));
    pnlWelcome->setGeometry(0, 109, 600, 250);
    SetSkinSection(pnlWelcome, QStringLiteral("PANEL"));

    auto makeItem = [this](const char* name, int left, int top, bool main) {
        auto* label = new TItemLabel(pnlWelcome);
        label->setObjectName(QLatin1String(name));
        label->setFont(PixelFont(QStringLiteral("Arial"), main ? 21 : 17));
        label->move(left, top);
        label->resize(500, main ? 34 : 28);
        SetSkinSection(label, main ? QStringLiteral("MAINITEM") : QStringLiteral("MINORITEM"));
        return label;
    };
    lblUpsSelectorBase = makeItem("lblUpsSelectorBase", 60, 42, true);
    lblUpsSelectorAdvanced = makeItem("lblUpsSelectorAdvanced", 60, 94, true);
    lblUpsSelectorModular = makeItem("lblUpsSelectorModular", 284, 141, true);
    lblUpsSelectorRuntime = makeItem("lblUpsSelectorRuntime", 284, 172, true);
    lblSetup = makeItem("lblSetup", 60, 151, false);
    lblAbout = makeItem("lblAbout", 60, 190, false);

    imgLogo = new QLabel(client);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    SetSkinSection(imgLogo, QStringLiteral("CHECKBOX"));
    imgLogo->hide();

    auto makeAction = [this](const char* name, const char* category) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setProperty("category", QLatin1String(category));
        return action;
    };
    actUpsSelectorBase = makeAction("actUpsSelectorBase", "MainItems");
    actUpsSelectorAdvanced = makeAction("actUpsSelectorAdvanced", "MainItems");
    actUpsSelectorModular = makeAction("actUpsSelectorModular", "MainItems");
    actUpsSelectorRuntime = makeAction("actUpsSelectorRuntime", "MainItems");
    actSetup = makeAction("actSetup", "MinorItems");
    actAbout = makeAction("actAbout", "MinorItems");

    const auto runSelector = [this](int index) { return [this, index] { session_.RunSelector(index); }; };
    connect(actUpsSelectorBase, &QAction::triggered, this, runSelector(2));
    connect(actUpsSelectorAdvanced, &QAction::triggered, this, runSelector(1));
    connect(actUpsSelectorModular, &QAction::triggered, this, runSelector(3));
    connect(actUpsSelectorRuntime, &QAction::triggered, this, runSelector(4));
    connect(actSetup, &QAction::triggered, this, &TFrmVantorMain::actSetupExecute);
    connect(actAbout, &QAction::triggered, this, &TFrmVantorMain::actAboutExecute);

    const struct {
        TItemLabel* label;
        QAction* action;
        bool main;
        QString TItemsCaption::*caption;
    } items[] = {
        {lblUpsSelectorBase, actUpsSelectorBase, true, &TItemsCaption::UpsSelBase},
        {lblUpsSelectorAdvanced, actUpsSelectorAdvanced, true, &TItemsCaption::UpsSelAdvanced},
        {lblUpsSelectorModular, actUpsSelectorModular, true, &TItemsCaption::UpsSelModular},
        {lblUpsSelectorRuntime, actUpsSelectorRuntime, true, &TItemsCaption::UpsSelRuntime},
        {lblSetup, actSetup, false, &TItemsCaption::Setup},
        {lblAbout, actAbout, false, &TItemsCaption::About},
    };
    for (const auto& item : items) {
        connect(item.label, &TItemLabel::Clicked, this, [this, item] { lastItem_ = item.label; });
        connect(item.label, &TItemLabel::Clicked, item.action, &QAction::trigger);
        connect(item.label, &TItemLabel::MouseEnter, this, [this, item] {
            // One entry looks highlighted at a time: the mouse and the keyboard may point at two.
            for (auto* other : pnlWelcome->findChildren<TItemLabel*>())
                if (other != item.label)
                    other->DropHighlight();
            HighlightItem(item.label, item.main);
        });
        connect(item.label, &TItemLabel::MouseLeave, this,
                [this, item] { RestoreItem(item.label, ItemsCaption.*(item.caption), item.main); });
    }

    windowChannel_ = new platform::WindowChannel(this);
    // A quit request from the updater ends the program as closing the window does.
    connect(windowChannel_, &platform::WindowChannel::QuitRequested, this, &QWidget::close);
}

void TFrmVantorMain::ShowCaptions(const TItemsCaption& Captions)
{
    ItemsCaption = Captions;
    lblUpsSelectorBase->setText(ItemsCaption.UpsSelBase);
    lblUpsSelectorAdvanced->setText(ItemsCaption.UpsSelAdvanced);
    lblUpsSelectorModular->setText(ItemsCaption.UpsSelModular);
    lblUpsSelectorRuntime->setText(ItemsCaption.UpsSelRuntime);
    lblSetup->setText(ItemsCaption.Setup);
    lblAbout->setText(ItemsCaption.About);
    // Screen readers name the entries by their captions, also while a
    // highlight shows them in capitals.
    lblUpsSelectorBase->setAccessibleName(ItemsCaption.UpsSelBase);
    lblUpsSelectorAdvanced->setAccessibleName(ItemsCaption.UpsSelAdvanced);
    lblUpsSelectorModular->setAccessibleName(ItemsCaption.UpsSelModular);
    lblUpsSelectorRuntime->setAccessibleName(ItemsCaption.UpsSelRuntime);
    lblSetup->setAccessibleName(ItemsCaption.Setup);
    lblAbout->setAccessibleName(ItemsCaption.About);
}

void TFrmVantorMain::ShowTitle(const QString& Title)
{
    setWindowTitle(Title);
}

void TFrmVantorMain::Ready()
{
    // The keyboard starts on the welcome panel itself: no entry shows
    // highlighted before the user moves, and Tab reaches the first one.
    pnlWelcome->setFocus(Qt::OtherFocusReason);
    // Without the channel the program runs on; only an update cannot close it.
    (void)windowChannel_->Listen(objectName());
    idlePending_ = true;
}

void TFrmVantorMain::HighlightItem(TItemLabel* Control, bool Main)
{
    if (!Control->isEnabled())
        return;
    QFont font = Control->font();
    font.setPointSize(ItemPointSize(Main));
    font.setBold(true);
    Control->setFont(font);
    Control->setText(QLocale().toUpper(Control->text()));
}

void TFrmVantorMain::RestoreItem(TItemLabel* Label, const QString& Caption, bool Main)
{
    if (!Label->isEnabled())
        return;
    QFont font = Label->font();
    font.setPointSize(ItemPointSize(Main));
    font.setBold(false);
    Label->setFont(font);
    Label->setText(Caption);
}

void TFrmVantorMain::ShowPanels(bool ShowWelcome, bool ShowContainer)
{
    pnlContainer->setVisible(ShowContainer);
    pnlWelcome->setVisible(ShowWelcome);
    // Back on the welcome panel, the keyboard is where the user left it.
    if (ShowWelcome && lastItem_ != nullptr && lastItem_->isVisible())
        lastItem_->setFocus(Qt::OtherFocusReason);
    imgLogo->setVisible(ShowWelcome && !imgLogo->pixmap().isNull());
    if (imgLogo->isVisible()) {
        imgLogo->raise();
        imgLogo->repaint();
    }
}

void TFrmVantorMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!pendingLogo_.isEmpty())
        QTimer::singleShot(0, this, &TFrmVantorMain::showLogo);
    if (!frameChecked_) {
        // Sized and centred before the frame existed: once it does, the
        // window is sized and centred again with it.
        frameChecked_ = true;
        QTimer::singleShot(0, this, [this] { adjustToFrame(0); });
    }
    if (idlePending_) {
        // Qt has no application idle event: a zero-time timer queued once the
        // window is shown runs when the event queue is first empty.
        idlePending_ = false;
        QTimer::singleShot(0, this, [this] { session_.MyIdleHandler(); });
    }
}

void TFrmVantorMain::actSetupExecute()
{
    if (RunSetupDialog(this))
        session_.ApplySettings();
}

void TFrmVantorMain::actAboutExecute()
{
    RunAboutDialog(
        this, [this](TOemData& AOemData, bool InfoLogo) { return session_.LoadOemData(AOemData, InfoLogo); },
        session_.UnsignedUpdates());
}

} // namespace vantor
