#include "shell/ErrorBox.h"

#include "model/ProgramError.h"
#include "shell/ApplicationTitle.h"

#include <QMessageBox>

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), QString::fromStdString(ShownMessage(message.toStdString())),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
