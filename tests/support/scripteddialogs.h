#pragma once

#include "about/sysinfo.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <QRegularExpression>
#include <QStringList>


namespace vte::test {

// Answers every modal from a queue of replies and logs each one as a line,
// "kind title: text", so a test compares all the user saw in one list. With
// no reply left a question answers No, the closing question Cancel, a prompt
// or file dialog the empty text and the colour picker "cancelled": a missing
// reply can never hang a test.
class ScriptedDialogs final : public Dialogs
{
public:
    QStringList replies; // "yes" for a question; "export" or "discard"; a text; "#rrggbb" for a colour
    QStringList log;

    void message(QWidget *, const QString &text, const QString &title) override
    {
        log << QStringLiteral("message %1: %2").arg(title, text);
    }
    bool question(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        return show(QStringLiteral("question%1 %2: %3").arg(QLatin1String(icon == Icon::Question ? "?" : ""), title, text)) == "yes";
    }
    Closing closingQuestion(QWidget *, const QString &text, const QString &title) override
    {
        const QString reply = show(QStringLiteral("closing %1: %2").arg(title, text));
        return reply == "export" ? Closing::Export : reply == "discard" ? Closing::Discard : Closing::Cancel;
    }
    QString prompt(QWidget *, const QString &label, const QString &title, const QString &initialText) override
    {
        return show(QStringLiteral("prompt %1: %2 [%3]").arg(title, label, initialText));
    }
    QString openFileName(QWidget *, const QString &title, const QString &directory, const QString &filter) override
    {
        return show(QStringLiteral("open %1: %2 [%3]").arg(title, directory, filter));
    }
    QString saveFileName(QWidget *, const QString &title, const QString &directory, const QString &fileName,
                         const QString &filter) override
    {
        return show(QStringLiteral("save %1: %2 in %3 [%4]").arg(title, fileName, directory, filter));
    }
    QString folderName(QWidget *, const QString &title, const QString &directory) override
    {
        return show(QStringLiteral("folder %1: %2").arg(title, directory));
    }
    std::optional<QColor> color(QWidget *, const QColor &initial) override
    {
        const QString reply = show(QStringLiteral("color ") + initial.name());
        return reply.isEmpty() ? std::nullopt : std::optional<QColor>(QColor(reply));
    }
    void exec(QDialog &dialog) override { log << QStringLiteral("exec ") + dialog.windowTitle(); }

private:
    QString show(const QString &line)
    {
        log << line;
        return replies.isEmpty() ? QString() : replies.takeFirst();
    }
};

// A machine laid out by a case: it answers the questions the case lists
// ("question=value" for a registry value) and logs every question asked.
class ScriptedHost final : public SystemInfoHost
{
public:
    QStringList answers;
    QStringList calls;

    std::optional<QString> registryValue(const QString &key, const QString &valueName) override
    {
        const QString question = ask(QStringLiteral("registry %1 %2").arg(key, valueName)) + QLatin1Char('=');
        const QStringList found = answers.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(question)));
        return found.isEmpty() ? std::nullopt : std::optional(found.front().mid(question.size()));
    }
    bool fileExists(const QString &path) override { return answers.contains(ask(QStringLiteral("exists ") + path)); }
    QString findProgram(const QString &name) override
    {
        return answers.contains(ask(QStringLiteral("find ") + name)) ? QStringLiteral("/found/") + name : QString();
    }
    bool start(const QString &program) override { return answers.contains(ask(QStringLiteral("start ") + program)); }

private:
    QString ask(const QString &question)
    {
        calls << question;
        return question;
    }
};

} // namespace vte::test
