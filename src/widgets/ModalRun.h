// The one way the program runs a dialog modally: made with new and parented
// to its owner (so it is centred on it and stays above it), run, then
// deleted. The owner may be destroyed while the dialog runs (a quit request
// from another process) and takes the dialog with it; nothing then touches
// the dialog again.
#pragma once

#include "widgets/WindowPlacement.h"

#include <QPointer>
#include <QWidget>

namespace vantor {

// Finish gets the dialog and exec()'s result while the dialog still exists.
// False: the dialog went with its owner, Finish was not called. Exceptions
// from the dialog or Finish pass through; the dialog is deleted either way.
template <class Dialog, class FinishFn>
bool RunModal(Dialog* dialog, FinishFn&& finish)
{
    QPointer<Dialog> alive(dialog);
    struct Release {
        QPointer<Dialog>& dialog;
        ~Release() { delete dialog.data(); }
    } release{alive};

    if (QWidget* owner = dialog->parentWidget())
        CenterFormOnForm(owner, dialog);
    const int result = dialog->exec();
    if (alive.isNull())
        return false;
    finish(*dialog, result);
    return true;
}

} // namespace vantor
