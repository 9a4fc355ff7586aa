#include "desktop/result_dialog.h"

#include <QLabel>

ResultDialogWindow::ResultDialogWindow(const DialogClicks& clicks, QWidget& battlefield)
    : DialogWindow(dialog_layout::kResult, clicks, battlefield), Label3(label("Label3")), Label4(label("Label4")) {}

void ResultDialogWindow::setLabel3(const std::string& caption) { setCaption(Label3, QString::fromStdString(caption)); }
void ResultDialogWindow::setLabel4(const std::string& caption) { setCaption(Label4, QString::fromStdString(caption)); }
