#include "shell/NoticeBox.h"

#include "shell/ApplicationTitle.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

void ShowMessage(const QString& text)
{
    QDialog box;
    box.setWindowTitle(ApplicationTitle());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);

    auto* label = new QLabel(text, &box);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMaximumWidth(QGuiApplication::primaryScreen()->availableGeometry().width() / 2);

    // The one button is the default, so Enter presses it; Escape rejects the dialog.
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    auto* layout = new QVBoxLayout(&box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    box.exec();
}
