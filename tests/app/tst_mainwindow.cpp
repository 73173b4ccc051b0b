#include "app/diagramview.h"
#include "app/keyecho.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "boardlookup.h"
#include "items/diagramtextitem.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearStore(); }

    void constructionResult();
    void everyVisibleControlHasAName();
    void sceneRectFitsTheScreenAfterTheTimer();
    void toolbarsInOrder();
    void actions_data();
    void actions();
    void noTwoActionsShareAKey();
    void everyToolOfTheTable_data();
    void everyToolOfTheTable();
    void styleKeysToggleAndApplyOnce();
    void editingKeysActOnTheLabel_data();
    void editingKeysActOnTheLabel();
    void deleteKeyDeletesTheSelection();
    void itemMenuOnShapes();
    void toolBox_data();
    void toolBox();
    void speaksTheDesktopsLanguage_data();
    void speaksTheDesktopsLanguage();
    void keysShowAsPeopleWriteThem_data();
    void keysShowAsPeopleWriteThem();
    void reclickingAToolReappliesIt();
    void placingAShapeReturnsToThePointer();
    void placingTextUnchecksNothingVisible();
    void pointerButtonsChangeOnlyTheMode();
    void zoomReplacesAndKeepsTranslation();
    void colourMenus();
    void colourButtonIcon();
    void itemSelectedMirrorsTheLabelFont_data();
    void itemSelectedMirrorsTheLabelFont();
    void exitClosesTheWindow();
};

void TestMainWindow::constructionResult()
{
    MainWindow window;
    QCOMPARE(window.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    QCOMPARE(int(window.windowFlags()), 0x40801);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!window.testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(window.isVisible());
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QVERIFY(!window.menuBar()->isVisible());

    QCOMPARE(window.statusBar()->currentMessage(), QString("Sistema listo"));
    QCOMPARE(window.statusBar()->styleSheet(), QString("color:white"));

    auto *leftPanel = window.findChild<QWidget *>("leftPanel");
    QVERIFY(leftPanel);
    QCOMPARE(leftPanel->maximumSize(), QSize(80, 390));
    QVERIFY(leftPanel->width() <= 80 && leftPanel->height() <= 390);
    auto *maximizeButton = window.findChild<QPushButton *>("maximizeButton");
    QVERIFY(maximizeButton && !maximizeButton->isVisible());
    QCOMPARE(maximizeButton->text(), QString("&Maximizar"));
    QCOMPARE(maximizeButton->size(), QSize(80, 25));
    QCOMPARE(window.findChild<QLabel *>("coordinatesLabel")->text(), QString("0,0"));

    auto *viewPanel = window.findChild<QWidget *>("viewPanel");
    QVERIFY(viewPanel->autoFillBackground());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(viewPanel->palette().color(group, QPalette::Window), QColor(255, 255, 255, 10));
    auto *view = window.findChild<diagramview *>();
    QVERIFY(view);
    QCOMPARE(view->styleSheet(), QString("background: transparent"));

    auto *scene = window.findChild<DiagramScene *>();
    QCOMPARE(view->scene(), scene);
    QCOMPARE(scene->parent(), &window);
    QCOMPARE(scene->currentMode(), DiagramScene::DrawFreehand);
    QCOMPARE(scene->currentItemType(), DiagramItem::Freehand);
    QVERIFY(scene->items().isEmpty());
}

void TestMainWindow::sceneRectFitsTheScreenAfterTheTimer()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    const QSize screen = window.screen()->size();
    QTRY_COMPARE(scene->sceneRect(), QRectF(0, 0, screen.width(), screen.height() - 150));
}

void TestMainWindow::toolbarsInOrder()
{
    MainWindow window;
    const QStringList titles{"Edit", "Font", "Color", "Pointer type"};
    QList<QToolBar *> bars;
    for (const QString &title : titles) {
        bars << toolBarNamed(window, title);
        QVERIFY2(bars.last(), qPrintable(title));
        QCOMPARE(window.toolBarArea(bars.last()), Qt::TopToolBarArea);
        QVERIFY(bars.last()->autoFillBackground());
    }
    for (int i = 1; i < bars.size(); ++i) {
        QVERIFY(bars.at(i - 1)->x() < bars.at(i)->x());
        QCOMPARE(bars.at(i)->y(), bars.first()->y());
    }
    // The bars added since stand on a row of their own under them, so theirs keep their places.
    QToolBar *history = toolBarNamed(window, "Historial");
    QToolBar *tools = toolBarNamed(window, "Herramientas");
    QCOMPARE(window.toolBarArea(history), Qt::TopToolBarArea);
    QVERIFY(window.toolBarBreak(history));
    QVERIFY(history->y() >= bars.first()->geometry().bottom());
    QCOMPARE(tools->y(), history->y());
    QVERIFY(tools->x() > history->x());

    auto texts = [](const QToolBar *bar) {
        QStringList found;
        const QList<QAction *> actions = bar->actions();
        for (const QAction *action : actions)
            found << action->text();
        return found;
    };
    QCOMPARE(texts(bars.at(0)),
             QStringList({"&Borrar", "Limpiar", "Enviar al frente", "Enviar al fondo", "Copiar"}));
    const QStringList font = texts(bars.at(1));
    QCOMPARE(font.mid(2), QStringList({"Bold", "Italic", "Underline"}));
    QVERIFY(qobject_cast<QFontComboBox *>(bars.at(1)->widgetForAction(bars.at(1)->actions()[0])));
    QCOMPARE(bars.at(2)->actions().size(), 3);
    const QStringList pointer = texts(bars.at(3));
    QCOMPARE(pointer.mid(4), QStringList({"Minimizar", "Maximizar", "Salir"}));

    auto *sizes = qobject_cast<QComboBox *>(bars.at(1)->widgetForAction(bars.at(1)->actions()[1]));
    QVERIFY(sizes && sizes->isEditable());
    QStringList items;
    for (int i = 0; i < sizes->count(); ++i)
        items << sizes->itemText(i);
    QCOMPARE(items, QStringList({"8", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28"}));
    auto *zoom = qobject_cast<QComboBox *>(bars.at(3)->widgetForAction(bars.at(3)->actions()[2]));
    QVERIFY(zoom && !zoom->isEditable());
    QCOMPARE(zoom->currentText(), QString("100%"));
}

void TestMainWindow::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("clear") << "Limpiar" << QKeySequence("Ctrl+L") << "Limpiar" << false;
    QTest::newRow("to front") << "Enviar al frente" << QKeySequence("Ctrl+F") << "Enviar al frente"
                              << false;
    QTest::newRow("send back") << "Enviar al fondo" << QKeySequence("Ctrl+T")
                               << "Enviar item al fondo" << false;
    QTest::newRow("minimize") << "Minimizar" << QKeySequence("Ctrl+Shift+M") << "Minimizar"
                              << false;
    QTest::newRow("maximize") << "Maximizar" << QKeySequence("Ctrl+M") << "Maximizar" << false;
    QTest::newRow("copy") << "Copiar" << QKeySequence("Ctrl+C") << "Copiar" << false;
    QTest::newRow("delete") << "&Borrar" << QKeySequence(QKeySequence::Delete) << "Borrar item"
                            << false;
    QTest::newRow("exit") << "Salir" << QKeySequence(QKeySequence::Quit) << "Salir" << false;
    QTest::newRow("bold") << "Bold" << QKeySequence("Ctrl+B") << QString() << true;
    QTest::newRow("italic") << "Italic" << QKeySequence("Ctrl+I") << QString() << true;
    QTest::newRow("underline") << "Underline" << QKeySequence("Ctrl+U") << QString() << true;
    QTest::newRow("about") << "A&bout" << QKeySequence("F1") << QString() << false;
}

void TestMainWindow::actions()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, key);
    QFETCH(QString, statusTip);
    QFETCH(bool, checkable);
    MainWindow window;
    QAction *action = actionNamed(window, text);
    QVERIFY(action);
    QCOMPARE(action->parent(), &window);
    QCOMPARE(action->shortcut(), key);
    QCOMPARE(action->statusTip(), statusTip);
    QCOMPARE(action->isCheckable(), checkable);
    QVERIFY(!action->isChecked());
    QCOMPARE(action->icon().isNull(), text == "A&bout");
}

void TestMainWindow::noTwoActionsShareAKey()
{
    MainWindow window;
    QHash<QKeySequence, QString> owners;
    const QList<QAction *> actions = window.findChildren<QAction *>();
    for (const QAction *action : actions) {
        const QList<QKeySequence> keys = action->shortcuts();
        for (const QKeySequence &key : keys) {
            if (key.isEmpty())
                continue;
            QVERIFY2(!owners.contains(key),
                     qPrintable(key.toString() + ": " + owners.value(key) + " and "
                                + action->text()));
            owners.insert(key, action->text());
        }
    }
}

namespace {

// The tools whose buttons show as chosen, wherever they stand.
QStringList chosenTools(const MainWindow &window)
{
    QStringList chosen;
    for (QButtonGroup *group : {toolGroup(window), pointerGroup(window)}) {
        for (const QAbstractButton *button : group->buttons()) {
            if (button->isChecked())
                chosen << button->accessibleName();
        }
    }
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        const auto *action = window.findChild<QAction *>(tool->id);
        if (tool->place == BoardTools::Place::ToolsBar && tool->mode >= 0 && action->isChecked())
            chosen << action->text();
    }
    return chosen;
}

} // namespace

void TestMainWindow::everyToolOfTheTable_data()
{
    QTest::addColumn<QByteArray>("id");
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool)
        QTest::newRow(tool->id) << QByteArray(tool->id);
}

// Each row of the tool table has its button where the row says, its keys choose it, and the
// about box lists them.
void TestMainWindow::everyToolOfTheTable()
{
    QFETCH(QByteArray, id);
    const BoardTools::Tool &tool = *BoardTools::find(id.constData());
    const QString label = QCoreApplication::translate("MainWindow", tool.label);
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();

    QStringList where; // what stands where the tool's button should be
    if (tool.place == BoardTools::Place::ToolBox || tool.place == BoardTools::Place::PointerBar) {
        QButtonGroup *group = tool.place == BoardTools::Place::ToolBox ? toolGroup(window)
                                                                       : pointerGroup(window);
        if (QAbstractButton *button = group->button(tool.button))
            where << button->accessibleName();
    } else {
        const char *menuButton = tool.place == BoardTools::Place::PagesMenu ? "pagesButton"
                                                                            : "widthButton";
        QWidget *holder = tool.place == BoardTools::Place::ToolsBar
                              ? static_cast<QWidget *>(toolBarNamed(window, "Herramientas"))
                              : window.findChild<QToolButton *>(menuButton)->menu();
        for (const QAction *action : holder->actions())
            where << action->text();
        for (const QWidget *widget : holder->findChildren<QWidget *>())
            where << widget->accessibleName();
    }
    QVERIFY2(where.contains(label), qPrintable(where.join(", ")));

    QList<QKeySequence> keys = QKeySequence::listFromString(tool.keys);
    keys.removeAll(QKeySequence());
    for (const QKeySequence &key : std::as_const(keys)) {
        QAction *byKey = firstChildWhere<QAction>(window, [&](QAction *action) {
            return action->shortcuts().contains(key);
        });
        QVERIFY2(byKey, qPrintable(key.toString()));
        if (tool.mode < 0)
            continue; // it acts, but chooses no tool
        scene->setMode(DiagramScene::Mode(99));
        pointerGroup(window)->button(DiagramScene::InsertLine)->click();
        byKey->trigger();
        QCOMPARE(int(scene->currentMode()), tool.mode);
        // Only this tool shows as chosen: the line chosen before it no longer does.
        QCOMPARE(chosenTools(window), QStringList{label});
    }

    QString listed;
    QTimer::singleShot(0, &window, [&listed] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            listed = box->informativeText();
            box->accept();
        }
    });
    actionNamed(window, "A&bout")->trigger();
    if (!keys.isEmpty()) {
        QVERIFY2(listed.contains("</b></td><td>" + label + "</td>"), qPrintable(listed));
        const QString row = listed.section("</b></td><td>" + label + "</td>", 0, 0);
        for (const QKeySequence &key : std::as_const(keys))
            QVERIFY2(row.section("<b>", -1).contains(key.toString()), qPrintable(listed));
    }
}

void TestMainWindow::styleKeysToggleAndApplyOnce()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *scene = window.findChild<DiagramScene *>();
    QAction *bold = actionNamed(window, "Bold");
    QAction *italic = actionNamed(window, "Italic");
    QSignalSpy boldRuns(bold, &QAction::triggered);

    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(bold->isChecked());
    QCOMPARE(boldRuns.count(), 1);
    QCOMPARE(scene->currentTextFont().weight(), QFont::Bold);
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(italic->isChecked());
    QCOMPARE(scene->currentTextFont().style(), QFont::StyleItalic);
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!bold->isChecked());
    QCOMPARE(scene->currentTextFont().weight(), QFont::Normal);
    QCOMPARE(QSettings().value("bold").toBool(), false);
    QCOMPARE(QSettings().value("italic").toBool(), true);
}

void TestMainWindow::editingKeysActOnTheLabel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("Delete removes a character")
        << int(Qt::Key_Delete) << int(Qt::NoModifier) << "bc";
    QTest::newRow("Ctrl+C copies the selected text")
        << int(Qt::Key_C) << int(Qt::ControlModifier) << "abc";
}

void TestMainWindow::editingKeysActOnTheLabel()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, textAfter);
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *scene = window.findChild<DiagramScene *>();
    auto *view = window.findChild<diagramview *>();
    scene->setMode(DiagramScene::InsertText);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::keyClicks(view->viewport(), "abc");
    QPointer<QGraphicsTextItem> label = scene->newestTextItem();
    QVERIFY(label);
    QCOMPARE(label->toPlainText(), QString("abc"));
    QGuiApplication::clipboard()->setText("before");

    QTest::keyClick(view->viewport(), Qt::Key_Home);
    if (modifiers == Qt::ControlModifier)
        QTest::keyClick(view->viewport(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view->viewport(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QVERIFY(label);
    QCOMPARE(label->scene(), scene);
    QCOMPARE(label->toPlainText(), textAfter);
    QVERIFY(!window.isCapturePending());
    QCOMPARE(window.statusBar()->currentMessage(), QString("Sistema listo"));
    if (key == Qt::Key_C)
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("abc"));
}

void TestMainWindow::deleteKeyDeletesTheSelection()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *scene = window.findChild<DiagramScene *>();
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setSelected(true);
    QTest::keyClick(&window, Qt::Key_Delete);
    QVERIFY(scene->items().isEmpty());
}

void TestMainWindow::itemMenuOnShapes()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    scene->setItemType(DiagramItem::Square);
    scene->setMode(DiagramScene::InsertItem);
    auto *view = window.findChild<diagramview *>();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(scene->selectedItems().size(), 1);

    QMenu *shown = nullptr;
    QTimer::singleShot(0, [&shown] {
        shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (shown)
            shown->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse,
                            QPoint(300, 300),
                            view->viewport()->mapToGlobal(QPoint(300, 300)));
    QApplication::sendEvent(view->viewport(), &event);
    QVERIFY(shown);
    QCOMPARE(shown->title(), QString("&Item"));
    QStringList entries;
    for (const QAction *action : shown->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries,
             QStringList({"&Borrar",
                          "-",
                          "Limpiar",
                          "Enviar al frente",
                          "Enviar al fondo",
                          "Minimizar",
                          "Maximizar"}));
}

void TestMainWindow::toolBox_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("itemType"); // -1: left as it was
    QTest::newRow("Forma") << "Forma" << 0 << int(DiagramScene::InsertItem) << 0;
    QTest::newRow("Proc") << "Proc" << 1 << int(DiagramScene::InsertItem) << 1;
    QTest::newRow("I/O") << "I/O" << 3 << int(DiagramScene::InsertItem) << 3;
    QTest::newRow("Lápiz") << "Lápiz" << 4 << int(DiagramScene::DrawFreehand) << 4;
    QTest::newRow("Texto") << "Texto" << 10 << int(DiagramScene::InsertText) << -1;
    QTest::newRow("Cortar") << "Cortar" << 5 << int(DiagramScene::CutRegion) << 5;
    QTest::newRow("Libre") << "Libre" << 6 << int(DiagramScene::DrawRect) << 6;
}

void TestMainWindow::toolBox()
{
    QFETCH(QString, label);
    QFETCH(int, id);
    QFETCH(int, mode);
    QFETCH(int, itemType);
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QButtonGroup *tools = toolGroup(window);
    QVERIFY(tools && tools->exclusive());
    QCOMPARE(tools->buttons().size(), 7);
    QVERIFY(!tools->checkedButton());

    // The cell shows the tool's name under its button.
    QAbstractButton *button = tools->button(id);
    QVERIFY(button && !button->icon().isNull());
    const QList<QLabel *> labels = button->parentWidget()->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), label);

    scene->setItemType(DiagramItem::Diamond);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->isChecked());
    QCOMPARE(int(scene->currentMode()), mode);
    QCOMPARE(int(scene->currentItemType()), itemType < 0 ? int(DiagramItem::Diamond) : itemType);
}

void TestMainWindow::speaksTheDesktopsLanguage_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("pen"); // the Lápiz cell's label
    QTest::addColumn<QString>("clear");
    QTest::newRow("C") << QStringList{"C"} << "es"
                       << "Lápiz"
                       << "Limpiar";
    QTest::newRow("Spanish") << QStringList{"es-AR", "en-US"} << "es"
                             << "Lápiz"
                             << "Limpiar";
    QTest::newRow("English") << QStringList{"en-US", "en"} << "en"
                             << "Pen"
                             << "Clear";
    QTest::newRow("German") << QStringList{"de-DE"} << "de"
                            << "Stift"
                            << "Leeren";
    QTest::newRow("French") << QStringList{"fr-CA"} << "fr"
                            << "Crayon"
                            << "Effacer tout";
    QTest::newRow("Portuguese") << QStringList{"pt-BR"} << "pt"
                                << "Lápis"
                                << "Limpar";
    QTest::newRow("first spoken") << QStringList{"ja-JP", "de-AT"} << "de"
                                  << "Stift"
                                  << "Leeren";
    QTest::newRow("none spoken") << QStringList{"ja-JP", "zh"} << "es"
                                 << "Lápiz"
                                 << "Limpiar";
}

// The board speaks the first language of the desktop it has a translation for, Spanish when it
// has none; its keys stay as they are in every language.
void TestMainWindow::speaksTheDesktopsLanguage()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, spoken);
    QFETCH(QString, pen);
    QFETCH(QString, clear);
    QCOMPARE(Translations::install(desktop), spoken);
    const auto backToSpanish = qScopeGuard([] { Translations::install({"C"}); });
    MainWindow window;
    const QList<QLabel *>
        labels = toolGroup(window)->button(4)->parentWidget()->findChildren<QLabel *>();
    QCOMPARE(labels.first()->text(), pen);
    // The action of the key Ctrl+L: the key is the same in every language.
    const QList<QAction *> actions = window.findChildren<QAction *>();
    const auto clearing = std::find_if(actions.cbegin(), actions.cend(), [](const QAction *action) {
        return action->shortcut() == QKeySequence("Ctrl+L");
    });
    QVERIFY(clearing != actions.cend());
    QCOMPARE((*clearing)->text(), clear);
}

void TestMainWindow::keysShowAsPeopleWriteThem_data()
{
    QTest::addColumn<QStringList>("presses"); // a combination, or "text:" or "label:" and a letter
    QTest::addColumn<QString>("shown");
    QTest::newRow("combination") << QStringList{"Ctrl+C"} << "Ctrl+C";
    QTest::newRow("again and again") << QStringList{"Ctrl+C", "Ctrl+C", "Ctrl+C"} << "Ctrl+C x3";
    QTest::newRow("another in between") << QStringList{"Ctrl+C", "Ctrl+V", "Ctrl+C"} << "Ctrl+C";
    QTest::newRow("Alt+Tab") << QStringList{"Alt+Tab"} << "Alt+Tab";
    QTest::newRow("Shift on a key that types nothing") << QStringList{"Shift+F5"} << "Shift+F5";
    QTest::newRow("typing") << QStringList{"text:h", "text:o", "text:l", "text:a"} << "hola";
    QTest::newRow("typing, then a combination")
        << QStringList{"text:h", "text:i", "Ctrl+S"} << "Ctrl+S";
    QTest::newRow("a combination, then typing") << QStringList{"Ctrl+S", "text:a"} << "a";
    QTest::newRow("typing into a label") << QStringList{"label:h", "label:i"} << "••";
}

// The box says what was pressed as people write it, and plain typing as the word typed.
void TestMainWindow::keysShowAsPeopleWriteThem()
{
    QFETCH(QStringList, presses);
    KeyEcho echo;
    for (const QString &press : std::as_const(presses)) {
        const QString letter = press.section(':', 1);
        if (letter.isEmpty()) {
            const QKeyCombination combination = QKeySequence(press)[0];
            echo.press(combination.key(), combination.keyboardModifiers(), QString());
        } else {
            echo.press(Qt::Key(letter.toUpper().at(0).unicode()),
                       Qt::NoModifier,
                       letter,
                       press.startsWith("label:"));
        }
    }
    QTEST(echo.text(), "shown");
}

void TestMainWindow::reclickingAToolReappliesIt()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QAbstractButton *forma = toolGroup(window)->button(0);
    QTest::mouseClick(forma, Qt::LeftButton);
    scene->setMode(DiagramScene::MoveItem);
    QTest::mouseClick(forma, Qt::LeftButton);
    QVERIFY(forma->isChecked());
    QCOMPARE(scene->currentMode(), DiagramScene::InsertItem);
}

void TestMainWindow::placingAShapeReturnsToThePointer()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    auto *view = window.findChild<diagramview *>();
    QButtonGroup *pointers = pointerGroup(window);
    pointers->button(DiagramScene::InsertLine)->click();
    QCOMPARE(scene->currentMode(), DiagramScene::InsertLine);
    QTest::mouseClick(toolGroup(window)->button(1), Qt::LeftButton);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(300, 300));

    QCOMPARE(scene->selectedItems().size(), 1);
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);
    QCOMPARE(pointers->checkedId(), int(DiagramScene::MoveItem));
    // The exclusive group keeps the shape's button checked.
    QVERIFY(toolGroup(window)->button(1)->isChecked());
}

void TestMainWindow::placingTextUnchecksNothingVisible()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    auto *view = window.findChild<diagramview *>();
    QAbstractButton *texto = toolGroup(window)->button(10);
    QTest::mouseClick(texto, Qt::LeftButton);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(250, 250));
    QVERIFY(scene->newestTextItem());
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);
    QVERIFY(texto->isChecked());
}

void TestMainWindow::pointerButtonsChangeOnlyTheMode()
{
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QButtonGroup *pointers = pointerGroup(window);
    QVERIFY(pointers->button(DiagramScene::MoveItem)->isChecked());
    pointers->button(DiagramScene::InsertLine)->click();
    QCOMPARE(scene->currentMode(), DiagramScene::InsertLine);
    QCOMPARE(scene->currentItemType(), DiagramItem::Freehand);
    pointers->button(DiagramScene::MoveItem)->click();
    QCOMPARE(scene->currentMode(), DiagramScene::MoveItem);
}

void TestMainWindow::zoomReplacesAndKeepsTranslation()
{
    MainWindow window;
    auto *view = window.findChild<diagramview *>();
    auto *zoom = toolBarNamed(window, "Pointer type")->findChild<QComboBox *>();
    QVERIFY(zoom);
    QCOMPARE(view->transform(), QTransform());
    view->setTransform(QTransform::fromTranslate(30, -20));

    zoom->setCurrentText("150%");
    zoom->setCurrentText("125%");

    QCOMPARE(view->transform().m11(), 1.25);
    QCOMPARE(view->transform().m22(), 1.25);
    QCOMPARE(view->transform().dx(), 30.0);
    QCOMPARE(view->transform().dy(), -20.0);
    zoom->setCurrentText("50%");
    QCOMPARE(view->transform().m11(), 0.5);
}

namespace {

QList<QAction *> colourMenuEntries(const MainWindow &window)
{
    for (QToolButton *button : toolBarNamed(window, "Color")->findChildren<QToolButton *>()) {
        if (button->menu())
            return button->menu()->actions();
    }
    return {};
}

} // namespace

void TestMainWindow::colourMenus()
{
    MainWindow window;
    const QList<QToolButton *> buttons = toolBarNamed(window, "Color")->findChildren<QToolButton *>();
    QList<QToolButton *> colourButtons;
    for (QToolButton *button : buttons) {
        if (button->menu())
            colourButtons << button;
    }
    QCOMPARE(colourButtons.size(), 3);
    const QStringList labels{
        "Semi-Transparente", "Transparente", "Negro", "Blanco", "Rojo", "azul", "Amarillo", "Verde"};
    const QList<QColor> colours{QColor(255, 255, 255, 100),
                                QColor(Qt::transparent),
                                QColor(Qt::black),
                                QColor(Qt::white),
                                QColor(Qt::red),
                                QColor(Qt::blue),
                                QColor(Qt::yellow),
                                QColor(Qt::green)};
    const QStringList defaults{"Negro", "Blanco", "Blanco"};
    for (int b = 0; b < 3; ++b) {
        QToolButton *button = colourButtons.at(b);
        QCOMPARE(button->popupMode(), QToolButton::MenuButtonPopup);
        const QList<QAction *> entries = button->menu()->actions();
        QCOMPARE(entries.size(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(entries.at(i)->text(), labels.at(i));
            QCOMPARE(entries.at(i)->data().value<QColor>(), colours.at(i));
        }
        QCOMPARE(button->menu()->defaultAction()->text(), defaults.at(b));
    }

    // The swatches are drawn the same every time; the see-through ones over a checkerboard.
    MainWindow other;
    const QList<QAction *> otherEntries = colourMenuEntries(other);
    const QList<QAction *> entries = colourMenuEntries(window);
    for (int i = 0; i < 8; ++i) {
        const QImage swatch = entries.at(i)->icon().pixmap(20, 20).toImage();
        QCOMPARE(swatch, otherEntries.at(i)->icon().pixmap(20, 20).toImage());
        const bool seeThrough = colours.at(i).alpha() < 255;
        QCOMPARE(swatch.pixel(2, 2) != swatch.pixel(7, 2), seeThrough);
    }

    // Picking from the fill menu recolours the selected shape and becomes the button's colour.
    auto *scene = window.findChild<DiagramScene *>();
    auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
    scene->addItem(shape);
    shape->setSelected(true);
    colourButtons.at(1)->menu()->actions().at(4)->trigger();
    QCOMPARE(shape->brush().color(), QColor(Qt::red));
    QCOMPARE(QSettings().value("fillColor").value<QColor>(), QColor(Qt::red));
    shape->setBrush(Qt::white);
    colourButtons.at(1)->click();
    QCOMPARE(shape->brush().color(), QColor(Qt::red));

    // The text button's body applies the colour but does not store it; its menu does.
    colourButtons.at(0)->click();
    QVERIFY(!QSettings().contains("fontColor"));
    colourButtons.at(0)->menu()->actions().at(5)->trigger();
    QCOMPARE(QSettings().value("fontColor").value<QColor>(), QColor(Qt::blue));
    QCOMPARE(scene->currentTextColor(), QColor(Qt::blue));
    colourButtons.at(2)->menu()->actions().at(7)->trigger();
    QCOMPARE(scene->currentLineColor(), QColor(Qt::green));
    QCOMPARE(QSettings().value("lineColor").value<QColor>(), QColor(Qt::green));
}

void TestMainWindow::colourButtonIcon()
{
    MainWindow window;
    QToolButton *fill = nullptr;
    for (QToolButton *button : toolBarNamed(window, "Color")->findChildren<QToolButton *>()) {
        if (button->menu() && button->menu()->defaultAction()
            && button->menu()->defaultAction()->text() == "Blanco") {
            fill = button;
            break;
        }
    }
    QVERIFY(fill);
    fill->menu()->actions().at(4)->trigger(); // "Rojo"
    const QImage icon = fill->icon().pixmap(QSize(50, 80)).toImage();
    QCOMPARE(icon.size(), QSize(50, 80));
    QCOMPARE(icon.pixelColor(2, 79), QColor(Qt::red));
    QCOMPARE(icon.pixelColor(48, 61), QColor(Qt::red));
    QCOMPARE(icon.pixelColor(1, 50).alpha(), 0);
}

void TestMainWindow::itemSelectedMirrorsTheLabelFont_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("bold") << 700 << int(QFont::StyleNormal) << true << false;
    QTest::newRow("demi-bold is not bold") << 600 << int(QFont::StyleNormal) << false << false;
    QTest::newRow("black is not bold") << 900 << int(QFont::StyleNormal) << false << false;
    QTest::newRow("oblique counts as italic") << 400 << int(QFont::StyleOblique) << false << true;
}

void TestMainWindow::itemSelectedMirrorsTheLabelFont()
{
    QFETCH(int, weight);
    QFETCH(int, style);
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    auto *label = new DiagramTextItem;
    QFont font("DejaVu Serif", 22);
    font.setWeight(QFont::Weight(weight));
    font.setStyle(QFont::Style(style));
    font.setUnderline(true);
    label->setFont(font);
    scene->addItem(label);
    connect(label, &DiagramTextItem::selectedChange, scene, &DiagramScene::itemSelected);

    label->setSelected(true);

    QCOMPARE(window.findChild<QFontComboBox *>()->currentFont().family(), QString("DejaVu Serif"));
    QCOMPARE(toolBarNamed(window, "Font")->findChildren<QComboBox *>().last()->currentText(),
             QString("22"));
    QTEST(actionNamed(window, "Bold")->isChecked(), "bold");
    QTEST(actionNamed(window, "Italic")->isChecked(), "italic");
    QVERIFY(actionNamed(window, "Underline")->isChecked());
    // Showing the label's font in the toolbars leaves the label as it was.
    QCOMPARE(label->font().weight(), font.weight());
    QCOMPARE(label->font().style(), font.style());
    QCOMPARE(label->font().pointSize(), 22);
}

void TestMainWindow::exitClosesTheWindow()
{
    MainWindow window;
    actionNamed(window, "Salir")->trigger();
    QVERIFY(!window.isVisible());
}

// Screen readers and UI automation find every control by a name.
void TestMainWindow::everyVisibleControlHasAName()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList unnamed;
    QStringList untipped;
    int controls = 0;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(widget)
                             || qobject_cast<QComboBox *>(widget);
        // Qt's own overflow button of a narrow toolbar is not one of the board's controls.
        if (!control || !widget->isVisible() || widget->inherits("QToolBarExtension"))
            continue;
        ++controls;
        const QString where = widget->metaObject()->className() + QString(" ")
                              + widget->objectName()
                              + QString(" at %1,%2")
                                    .arg(widget->mapTo(&window, QPoint()).x())
                                    .arg(widget->mapTo(&window, QPoint()).y());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << where;
        // The pointer hovering a control learns what it is.
        if (widget->toolTip().trimmed().isEmpty())
            untipped << where;
    }
    QVERIFY(controls > 15);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));
    QVERIFY2(untipped.isEmpty(), qPrintable(untipped.join("; ")));
}

TAVELO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
