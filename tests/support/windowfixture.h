#pragma once

// The main window as the tests drive it: on a settings store and dialogs the
// test owns, through a few words, so that a case is one row of a table.
//
// Steps (act):
//   "@Plane1/MenuName=Alpha"  puts a value in the store (not logged as a write);
//                             "refuse" makes the store refuse every flush
//   "> reply"                 answers the next question, prompt, file or colour dialog
//   "name=value"              chooses a row of a list or box or a tab, or types a text
//   "name"                    clicks a button or tick box, triggers an action,
//                             double-clicks a picture; "press name" presses it as assistive tools do
//   "close", "minimize", "move 200,100", "show", "focus name", "key Ctrl+Tab"
//   "clip text"               puts the text on the clipboard
//   "drop a b"                drops files ("text:..." a text, "x://..." a URL) on the window
//   "file Name=203"           writes a file of so many zero bytes into the test's folder
//   "until name=value"        waits until the window shows it, as "name=value" below
// What the window shows (shown):
//   "name"                    a control's text: a list's or box's entry, " [cyan]" when the
//                             list is not in use; a field's text, " [red]" when red; a tab's
//                             caption; a picture's name ("logo 7", "scheme 16"; the painted
//                             preview "painted" or "stale"); "name#property"; "name*" all entries;
//                             "name^" a table's column headings
//   a configuration key       the loadout's value as a save would store it; "PlaneName"
//   "@Section/Key", "@writes" a value of the store; every write since start-up, in order
//   "shown"                   every modal so far, " | " between them
//   "windows"                 the program's other windows shown, by name
//   "pos", "size", "focus", "drop", "clipboard", "size:Name",
//   "icon" (the sizes the window's icon comes in)
// {dir}, {home}, {filter}, {today}, {version} and {smallest} stand for the test's
// folder, the home folder, the file dialogs' filter, the date as the status bar
// shows it, the program's version and the window's smallest size; {redo} for
// the platform's Redo key; {design x,y}
// for a place in the design's twips.

#include "about/frmabout.h"
#include "about/sysinfo.h"
#include "configs/configuration.h"
#include "editor/frmmain.h"
#include "paint/recolor.h"
#include "support/files.h"
#include "support/memorystore.h"
#include "support/scripteddialogs.h"
#include "version.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace vte::test {

#ifdef Q_OS_WIN
inline const QString FileFilter = QStringLiteral("All Files (*.*)");
#else
inline const QString FileFilter = QStringLiteral("All Files (*)");
#endif

struct WindowFixture
{
    MemoryStore memory;
    SettingsStore &store;
    ScriptedDialogs dialogs;
    ScriptedHost systemInfo; // a machine without any system-information program
    QTemporaryDir dir;
    std::unique_ptr<frmMain> window;
    QString dropped;

    explicit WindowFixture(SettingsStore *otherStore = nullptr)
        : store(otherStore ? *otherStore : memory)
    {
    }

    // The window as the program starts it, on first use.
    frmMain &w()
    {
        if (!window) {
            window = std::make_unique<frmMain>(store, dialogs, systemInfo);
            window->Form_Load();
        }
        return *window;
    }

    static QString pair(int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); }

    QString expand(QString text)
    {
        static const QRegularExpression design(QStringLiteral("\\{design (\\d+),(\\d+)\\}"));
        // In the window's own units, which only a window made by now can tell.
        for (QRegularExpressionMatch m = design.match(text); m.hasMatch(); m = design.match(text))
            text.replace(m.capturedStart(), m.capturedLength(), pair(w().designUnits().x(m.captured(1).toInt()), w().designUnits().y(m.captured(2).toInt())));
        return text.replace(QLatin1String("{dir}"), QDir::toNativeSeparators(dir.path()))
            .replace(QLatin1String("{home}"), QDir::homePath())
            .replace(QLatin1String("{filter}"), FileFilter)
            .replace(QLatin1String("{today}"), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat))
            .replace(QLatin1String("{version}"), QLatin1String(VTEDITOR_VERSION))
            .replace(QLatin1String("{redo}"), QKeySequence(QKeySequence::Redo).toString())
            .replace(QLatin1String("{smallest}"), window ? pair(window->minimumSizeHint().width(), window->minimumSizeHint().height()) : QString());
    }

    // A control of a page not shown yet is made as if the user had opened it.
    static QObject *find(QObject *root, const QString &name)
    {
        if (root->objectName() == name)
            return root;
        QObject *found = root->findChild<QObject *>(name);
        if (auto *window = qobject_cast<frmMain *>(root); window && !found) {
            window->buildPages();
            found = root->findChild<QObject *>(name);
        }
        return found;
    }
    template <typename T>
    T *find(const QString &name)
    {
        return qobject_cast<T *>(find(&w(), name));
    }

    void act(const QString &step)
    {
        const QString s = expand(step);
        const QString rest = s.section(QLatin1Char(' '), 1);
        const QString key = s.mid(1).section(QLatin1Char('='), 0, 0);
        // clang-format off
        const std::map<QString, std::function<void()>> words{
            {"@", [&] { memory.sections[key.section('/', 0, 0)][key.section('/', 1)] = s.section('=', 1); }},
            {">", [&] { dialogs.replies << s.mid(2); }},
            {"refuse", [&] { memory.failFlush = true; }},
            {"close", [&] { w().close(); }},
            {"minimize", [&] { w().showMinimized(); }},
            {"move", [&] { w().move(rest.section(',', 0, 0).toInt(), rest.section(',', 1).toInt()); }},
            {"show", [&] { w().show(); QApplication::setActiveWindow(&w()); QVERIFY(QTest::qWaitForWindowActive(&w())); }},
            {"focus", [&] { find<QWidget>(rest)->setFocus(Qt::TabFocusReason); }},
            {"key", [&] { QTest::keySequence(QApplication::focusWidget(), QKeySequence(rest)); }},
            {"press", [&] { QAccessible::queryAccessibleInterface(find<QWidget>(rest))->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }},
            {"drop", [&] { drop(rest.split(QLatin1Char(' '))); }},
            {"clip", [&] { QGuiApplication::clipboard()->setText(rest); }},
            {"file", [&] { QVERIFY(writeFile(dir.filePath(rest.section('=', 0, 0)), QByteArray(rest.section('=', 1).toInt(), '\0'))); }},
            {"until", [&] { QTRY_COMPARE(shown(rest.section('=', 0, 0)), rest.section('=', 1)); }},
        };
        // clang-format on
        const auto found = words.find(s.startsWith(QLatin1Char('@')) ? QStringLiteral("@") : s.section(' ', 0, 0));
        if (found != words.end())
            found->second();
        else
            choose(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
    }

    void choose(const QString &name, const QString &value)
    {
        QObject *target = find(&w(), name);
        QVERIFY2(target, qPrintable(QStringLiteral("no control ") + name));
        if (auto *list = qobject_cast<QListWidget *>(target))
            list->setCurrentRow(value.toInt());
        else if (auto *box = qobject_cast<QComboBox *>(target))
            box->setCurrentIndex(value.toInt());
        else if (auto *tabs = qobject_cast<QTabWidget *>(target))
            tabs->setCurrentIndex(value.toInt());
        else if (auto *view = qobject_cast<QAbstractItemView *>(target)) {
            view->clearSelection();
            for (const QString &row : value.split(QLatin1Char(',')))
                view->selectionModel()->select(view->model()->index(row.toInt(), 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view->selectionModel()->setCurrentIndex(view->selectionModel()->selectedRows().value(0), QItemSelectionModel::NoUpdate);
        }
        else if (auto *field = qobject_cast<QLineEdit *>(target))
            field->clear(), QTest::keyClicks(field, value);
        else if (auto *button = qobject_cast<QAbstractButton *>(target))
            button->click();
        else if (auto *action = qobject_cast<QAction *>(target))
            action->trigger();
        else
            QTest::mouseDClick(qobject_cast<QWidget *>(target), Qt::LeftButton);
    }

    void drop(const QStringList &items)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &item : items) {
            if (item.startsWith(QLatin1String("text:")))
                mime.setText(item.mid(5));
            else
                urls << (item.contains(QLatin1String("://")) ? QUrl(item) : QUrl::fromLocalFile(item));
        }
        if (!urls.isEmpty())
            mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &enter);
        // Sent even where the enter was refused: the window must judge the drop itself.
        QDropEvent drop(QPointF(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &drop);
        const auto verdict = [](const QEvent &e) { return e.isAccepted() ? "accepted" : "refused"; };
        dropped = QLatin1String(verdict(enter)) + QLatin1Char('/') + QLatin1String(verdict(drop));
    }

    QString shown(const QString &rawName)
    {
        const QString name = expand(rawName);
        const Loadout &loadout = w().loadout();
        const QWidget *focus = QApplication::focusWidget();
        // clang-format off
        const std::map<QString, std::function<QString()>> pseudo{
            {"shown", [&] { return dialogs.log.join(QLatin1String(" | ")); }},
            {"@writes", [&] { return memory.writeOrder.join(' '); }},
            {"pos", [&] { return pair(w().x(), w().y()); }},
            {"size", [&] { return pair(w().width(), w().height()); }},
            {"focus", [&] { return focus ? focus->objectName() : QString(); }},
            {"windows", [&] { QStringList names; for (const QWidget *c : w().findChildren<QWidget *>()) if (c->isWindow() && c->isVisible()) names << c->objectName(); return names.join(' '); }},
            {"drop", [&] { return dropped; }},
            {"clipboard", [&] { return QGuiApplication::clipboard()->text(); }},
            {"icon", [&] { QStringList sizes; for (const QSize &size : w().windowIcon().availableSizes()) sizes << QString::number(size.width()); return sizes.join(' '); }},
            {"PlaneName", [&] { return loadout.selections().PlaneName; }},
        };
        // clang-format on
        if (pseudo.count(name))
            return pseudo.at(name)();
        if (name.startsWith(QLatin1Char('@')))
            return store.read(name.mid(1).section('/', 0, 0), name.section('/', 1), QStringLiteral("(none)"));
        if (name.startsWith(QLatin1String("size:"))) {
            const QFileInfo file(dir.filePath(name.mid(5)));
            return file.exists() ? QString::number(file.size()) : QStringLiteral("(none)");
        }
        if (configurationKeys().contains(name)) {
            MemoryStore saved;
            writeConfiguration(saved, 0, {}, loadout.catalogue(), loadout.selections(), loadout.schemePosition());
            return saved.read(configurationSection(0), name, {});
        }
        const QString key = name.section(QLatin1Char('#'), 0, 0).remove(QRegularExpression(QStringLiteral("[*^]$")));
        if (QObject *control = find(&w(), key))
            return describe(control, name);
        // The About box's controls, as Help > About shows them.
        frmAbout about(dialogs, systemInfo, &w());
        QObject *control = find(&about, key);
        return control ? describe(control, name) : QStringLiteral("(no such control)");
    }

    QString describe(QObject *control, const QString &name)
    {
        if (name.contains(QLatin1Char('#'))) {
            const QVariant value = control->property(name.section(QLatin1Char('#'), 1).toLatin1().constData());
            return value.typeId() == QMetaType::QPoint ? pair(value.toPoint().x(), value.toPoint().y()) : value.toString();
        }
        if (auto *table = qobject_cast<QTableView *>(control); table && name.endsWith(QLatin1Char('^'))) {
            QStringList headings;
            for (int i = 0; i < table->model()->columnCount(); ++i)
                headings << table->model()->headerData(i, Qt::Horizontal).toString();
            return headings.join(QLatin1Char('|'));
        }
        return name.endsWith(QLatin1Char('*')) ? entries(control) : textOf(control);
    }

    static QString entries(QObject *control)
    {
        QStringList all;
        const auto *list = qobject_cast<QAbstractItemView *>(control);
        const auto *box = qobject_cast<QComboBox *>(control);
        const auto *tabs = qobject_cast<QTabWidget *>(control);
        const QAbstractItemModel *model = list ? list->model() : box ? box->model() : nullptr;
        const auto *table = qobject_cast<const QTableView *>(control);
        for (int i = 0; model && i < model->rowCount(); ++i) {
            if (!table || !table->isRowHidden(i))
                all << model->index(i, 0).data().toString();
        }
        for (int i = 0; tabs && i < tabs->count(); ++i)
            all << tabs->tabText(i);
        for (const QAction *action : model || tabs ? QList<QAction *>() : qobject_cast<QWidget *>(control)->actions())
            all << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return all.join(QLatin1Char('|'));
    }

    QString textOf(QObject *control)
    {
        const auto marked = [](const QWidget *widget, QPalette::ColorRole role, const QColor &colour, const char *mark) {
            return widget->palette().color(role) == colour ? QLatin1String(mark) : QLatin1String();
        };
        if (auto *list = qobject_cast<QListWidget *>(control))
            return (list->currentItem() ? list->currentItem()->text() : QString())
                   + marked(list, QPalette::Base, QColor(192, 255, 255), " [cyan]");
        if (auto *box = qobject_cast<QComboBox *>(control))
            return box->currentText();
        if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
            QStringList selected;
            for (const QModelIndex &row : view->selectionModel()->selectedRows())
                selected << row.data().toString();
            return selected.join(QLatin1Char('|'));
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(control))
            return tabs->tabText(tabs->currentIndex());
        if (auto *field = qobject_cast<QLineEdit *>(control))
            return field->text() + marked(field, QPalette::Text, QColor(255, 0, 0), " [red]");
        if (auto *check = qobject_cast<QCheckBox *>(control))
            return check->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        auto *label = qobject_cast<QLabel *>(control);
        if (label && !label->pixmap().isNull())
            return picture(label);
        if (label && label->autoFillBackground())
            return label->text() + QLatin1Char(' ') + label->palette().color(QPalette::Window).name();
        return control->property(qobject_cast<QMenu *>(control) ? "title" : "text").toString();
    }

    static QImage resource(const char *folder, int number)
    {
        return QImage(QStringLiteral(":/%1%2.gif").arg(QLatin1String(folder)).arg(number, 2, 10, QLatin1Char('0')))
            .convertToFormat(QImage::Format_RGB32);
    }

    // A label's picture in its pixels as designed, whatever the screen's density.
    static QImage designPixels(const QLabel *label)
    {
        return label->pixmap().toImage().scaled(label->pixmap().deviceIndependentSize().toSize()).convertToFormat(QImage::Format_RGB32);
    }

    QString picture(const QLabel *label)
    {
        const QImage image = designPixels(label);
        if (label->objectName() == QLatin1String("picPlane1")) {
            const QImage source = designPixels(find<QLabel>(QStringLiteral("picPlane0")));
            return image == recolored(source, w().loadout().selections().Color) ? QStringLiteral("painted")
                                                                                  : QStringLiteral("stale");
        }
        for (int n = 1; n <= 50; ++n) {
            if (image == resource("logos/logo", n))
                return QStringLiteral("logo %1").arg(n - 1);
        }
        for (int n = 1; n <= 33; ++n) {
            if (image.copy(0, 0, 150, 150) == resource("schemes/scheme", n))
                return QStringLiteral("scheme %1").arg(n);
        }
        return image == QImage(QStringLiteral(":/icon/vteditor-32.png")).convertToFormat(QImage::Format_RGB32)
                   ? QStringLiteral("program icon")
                   : QStringLiteral("unknown picture");
    }
};

} // namespace vte::test
