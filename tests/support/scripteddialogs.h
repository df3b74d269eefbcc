#pragma once

#include "editor/dialogs.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace vte::test {

// Records every modal the editor asks for and answers from queued scripts.
// An unscripted question answers No, a prompt or file dialog the empty text
// and a colour picker "cancelled", so a missing script can never hang a test.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown
    {
        QString kind;    // "message", "question", "prompt", "open", "save", "color", "exec"
        QString text;
        QString title;
        Icon icon = Icon::None;
        QString detail;  // prompt's initial text, the file dialog's directory or file name
        QString filter;
    };

    std::deque<bool> answers;        // for question()
    std::deque<QString> texts;       // for prompt(), openFileName(), saveFileName()
    std::deque<std::optional<QColor>> colors;
    // Runs when a message is shown, while the editor waits for OK.
    std::function<void(const Shown &)> onMessage;
    // Runs a window instead of showing it; by default it is just closed.
    std::function<void(QDialog &)> onExec;

    std::vector<Shown> shown;

    QStringList messages() const
    {
        QStringList list;
        for (const Shown &s : shown) {
            if (s.kind == QLatin1String("message"))
                list << s.text;
        }
        return list;
    }

    void message(QWidget *, const QString &text, const QString &title) override
    {
        shown.push_back({QStringLiteral("message"), text, title, Icon::None, {}, {}});
        if (onMessage)
            onMessage(shown.back());
    }
    bool question(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        shown.push_back({QStringLiteral("question"), text, title, icon, {}, {}});
        return take(answers, false);
    }
    QString prompt(QWidget *, const QString &label, const QString &title, const QString &initialText) override
    {
        shown.push_back({QStringLiteral("prompt"), label, title, Icon::None, initialText, {}});
        return take(texts, QString());
    }
    QString openFileName(QWidget *, const QString &title, const QString &directory, const QString &filter) override
    {
        shown.push_back({QStringLiteral("open"), {}, title, Icon::None, directory, filter});
        return take(texts, QString());
    }
    QString saveFileName(QWidget *, const QString &title, const QString &directory, const QString &fileName,
                         const QString &filter) override
    {
        shown.push_back({QStringLiteral("save"), fileName, title, Icon::None, directory, filter});
        return take(texts, QString());
    }
    std::optional<QColor> color(QWidget *, const QColor &initial) override
    {
        shown.push_back({QStringLiteral("color"), initial.name(), {}, Icon::None, {}, {}});
        return take(colors, std::optional<QColor>());
    }
    void exec(QDialog &dialog) override
    {
        shown.push_back({QStringLiteral("exec"), dialog.windowTitle(), {}, Icon::None, {}, {}});
        if (onExec)
            onExec(dialog);
    }

private:
    template <typename T>
    static T take(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace vte::test
