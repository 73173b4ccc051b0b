#pragma once

#include "app/preferences.h"

#include <QDialog>

class MainWindow;
class PresenterSession;
class QAction;
class QCheckBox;
class QComboBox;
class QKeySequenceEdit;
class QLabel;
class QSpinBox;

// "Preferencias": every preference of the board in one ordinary window of the desktop, above the
// board. A change applies at once and is kept when it differs from what is in use;
// "Restablecer" gives every one its usual value again.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    SettingsDialog(MainWindow &board, PresenterSession &session);
    ~SettingsDialog() override;

private:
    void addGlobalKeyRow();
    void addPenRows();
    void addScreenRow();
    void addLanguageRow();
    void addFlagRow(const QString &text, const Preference<bool> &flag);
    void addToggleRow(QAction *toggle);
    void showKeyProblem(const QString &problem);
    void showValues();
    void takeGlobalKey();
    void restoreDefaults();

    MainWindow &board;
    PresenterSession &session;
    class QFormLayout *form = nullptr;
    QKeySequenceEdit *globalKeyEdit = nullptr;
    QLabel *globalKeyProblem = nullptr;
    QComboBox *widthBox = nullptr;
    QList<QComboBox *> inkBoxes; // one for each tool with inks, in the tool table's order
    QSpinBox *spotlightBox = nullptr;
    QComboBox *screenBox = nullptr;
    QComboBox *languageBox = nullptr;
    QCheckBox *keepLastBox = nullptr;
    QList<std::pair<QCheckBox *, const Preference<bool> *>> flagBoxes;
};
