#include "shell/ErrorBox.h"

#include "model/ProgramError.h"
#include "shell/ApplicationTitle.h"

#include <QMessageBox>

namespace {

// A message can carry a whole edit field's text, which may be a pasted million
// characters with no blank to wrap at. Beyond this length the box shows the message's
// start and end with "…" between, so that it fits on the screen.
constexpr qsizetype LongestShownMessage = 160;
constexpr qsizetype ShownEndLength = 70;

QString FittedToTheScreen(const QString& text)
{
    if (text.size() <= LongestShownMessage)
        return text;
    return text.left(ShownEndLength) + QStringLiteral(" … ") + text.right(ShownEndLength);
}

} // namespace

void ShowErrorBox(const QString& message)
{
    const QString shown = QString::fromStdString(ShownMessage(message.toStdString()));
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), FittedToTheScreen(shown),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
