// vantor-quote: see QuoteTool.h.
#include "quote/QuoteTool.h"

#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    // The PDF is painted with Qt's fonts, which need a platform; a command
    // line tool runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QString error;
    const auto command = vantor::quote::ParseQuoteArguments(arguments, error);
    if (!command) {
        std::fprintf(stderr, "vantor-quote: %s\n%s", qPrintable(error), qPrintable(vantor::quote::QuoteUsage()));
        return vantor::quote::ExitUsage;
    }
    const auto result = vantor::quote::RunQuote(*command, error);
    if (!result) {
        std::fprintf(stderr, "vantor-quote: %s\n", qPrintable(error));
        return vantor::quote::ExitBadData;
    }
    if (command->Json)
        std::printf("%s\n", QJsonDocument(*result).toJson(QJsonDocument::Indented).constData());
    return vantor::quote::ExitSuccess;
}
