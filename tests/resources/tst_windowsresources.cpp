#include "testsupport.h"
class T : public QObject { Q_OBJECT };
TAVELO_TEST_MAIN(T)
#include "tst_windowsresources.moc"
