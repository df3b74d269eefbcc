#include "ui/dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vte {

void QtDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Closing QtDialogs::closingQuestion(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *exportButton = box.addButton(QStringLiteral("&Export"), QMessageBox::AcceptRole);
    const QPushButton *discardButton = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(exportButton);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    if (box.clickedButton() == exportButton)
        return Closing::Export;
    return box.clickedButton() == discardButton ? Closing::Discard : Closing::Cancel;
}

QString QtDialogs::prompt(QWidget *parent, const QString &label, const QString &title, const QString &initialText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initialText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::openFileName(QWidget *parent, const QString &title, const QString &directory, const QString &filter)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(parent, title, directory, filter));
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                const QString &fileName, const QString &filter)
{
    // Plane files have no extension; nothing may be appended to the name.
    const QString start = directory.isEmpty() ? fileName : QDir(directory).filePath(fileName);
    return QDir::toNativeSeparators(QFileDialog::getSaveFileName(parent, title, start, filter));
}

QString QtDialogs::folderName(QWidget *parent, const QString &title, const QString &directory)
{
    return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent, title, directory));
}

std::optional<QColor> QtDialogs::color(QWidget *parent, const QColor &initial)
{
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

void QtDialogs::exec(QDialog &dialog)
{
    dialog.exec();
}

} // namespace vte
