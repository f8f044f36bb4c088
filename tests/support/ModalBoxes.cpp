#include "ModalBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

std::vector<SeenBox> AnswerModalBoxes(const std::function<void()>& code, int settleMs)
{
    std::vector<SeenBox> seen;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        SeenBox box{dialog->windowTitle(), {}, false, dialog->size()};
        if (auto* message = qobject_cast<QMessageBox*>(dialog)) {
            box.text = message->text();
            box.hasStopIcon = message->icon() == QMessageBox::Critical;
        } else if (auto* label = dialog->findChild<QLabel*>()) {
            box.text = label->text();
        }
        seen.push_back(box);
        dialog->accept();
    });
    watcher.start();
    code();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < settleMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return seen;
}
