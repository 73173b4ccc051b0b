#pragma once

#include <QApplication>
#include <QGraphicsView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Each test executable keeps its preferences in a fresh folder of its own, never the user's.
inline QString isolatedSettingsFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

inline void useIsolatedSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, isolatedSettingsFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, isolatedSettingsFolder());
}

// Starts the application offscreen (unless a platform is named), with the bundle registered and
// the settings store isolated, then runs the test object.
#define TAVELO_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        Q_INIT_RESOURCE(resources); \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv); \
        useIsolatedSettings(); \
        TestObject testObject; \
        return QTest::qExec(&testObject, argc, argv); \
    }

// Shape kinds that are spanned by a drag announce themselves on the debug output.
inline void expectCutMessage(int kind)
{
    if (kind == 5 || kind == 6)
        QTest::ignoreMessage(QtDebugMsg, "CUT!");
}

// Shows the view with its viewport's pixels on the scene's, from the scene's origin.
inline bool showOneToOne(QGraphicsView *view, QSize size)
{
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->resize(size);
    view->show();
    return QTest::qWaitForWindowExposed(view)
           && view->mapFromScene(QPointF(300, 200)) == QPoint(300, 200);
}
