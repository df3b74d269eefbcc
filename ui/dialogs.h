#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace vte {

// Everything modal the editor shows goes through here, so tests can answer
// each question and read every message.
class Dialogs
{
public:
    enum class Icon { None, Question };
    enum class Closing { Export, Discard, Cancel };

    virtual ~Dialogs() = default;

    // A notice or refusal: OK only, no icon.
    virtual void message(QWidget *parent, const QString &text, const QString &title) = 0;
    // Yes and No, with No the default; true for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // Whether to export before closing: Export the default, Cancel on Escape.
    virtual Closing closingQuestion(QWidget *parent, const QString &text, const QString &title) = 0;
    // A text prompt with OK and Cancel; Cancel gives the empty text.
    virtual QString prompt(QWidget *parent, const QString &label, const QString &title, const QString &initialText) = 0;
    // File dialogs; the empty text when cancelled. The save dialog asks before
    // an existing file is replaced.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &fileName, const QString &filter) = 0;
    // A folder picker; the empty text when cancelled.
    virtual QString folderName(QWidget *parent, const QString &title, const QString &directory) = 0;
    // Nothing when the picker was closed without a choice.
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial) = 0;
    // Runs a window of the program modally.
    virtual void exec(QDialog &dialog) = 0;
};

// The program's dialogs: Qt's standard ones, so they look native.
class QtDialogs final : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text, const QString &title) override;
    bool question(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    Closing closingQuestion(QWidget *parent, const QString &text, const QString &title) override;
    QString prompt(QWidget *parent, const QString &label, const QString &title, const QString &initialText) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &directory, const QString &fileName,
                         const QString &filter) override;
    QString folderName(QWidget *parent, const QString &title, const QString &directory) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial) override;
    void exec(QDialog &dialog) override;
};

} // namespace vte
