#include "settingsdialog.h"

#include "app/mainwindow.h"
#include "app/preferences.h"
#include "app/presentersession.h"
#include "app/screenchoice.h"
#include "app/toolicons.h"
#include "app/translations.h"
#include "scene/boardtools.h"
#include "scene/diagramscene.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>

namespace {

constexpr int smallestSpotlight = 40;
constexpr int largestSpotlight = 800;

// The entry holding the value, or the first one.
void showEntry(QComboBox *box, const QVariant &value)
{
    box->setCurrentIndex(qMax(0, box->findData(value)));
}

// The tool table's texts are the window's.
QString toolText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QIcon swatch(const QColor &colour)
{
    QPixmap square(16, 16);
    square.fill(colour);
    return QIcon(square);
}

} // namespace

SettingsDialog::SettingsDialog(MainWindow &board, PresenterSession &session)
    : QDialog(&board)
    , board(board)
    , session(session)
{
    setWindowTitle(tr("Preferencias"));
    setAttribute(Qt::WA_DeleteOnClose);
    // An ordinary window of the desktop, kept above the board it belongs to.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    form = new QFormLayout(this);
    addGlobalKeyRow();
    addPenRows();
    addScreenRow();
    addLanguageRow();
    keepLastBox = new QCheckBox(tr("Guardar el tablero al salir, para abrirlo con Ctrl+O"));
    form->addRow(keepLastBox);
    addToggleRow(board.showClicksToggle());
    addFlagRow(tr("Mostrar teclas desde que se abre el tablero"), Preferences::showKeysAtStart);
    addFlagRow(tr("Lo escrito en las etiquetas se muestra sin sus letras"),
               Preferences::hideLabelTyping);
    connect(keepLastBox, &QCheckBox::toggled, this, [this](bool keep) {
        if (keep != Preferences::keepLastBoard.read(this->board.preferences()))
            this->board.storePreferences({{Preferences::keepLastBoard.key, keep}});
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Cerrar"));
    QPushButton *reset = buttons->addButton(tr("Restablecer"), QDialogButtonBox::ResetRole);
    connect(reset, &QPushButton::clicked, this, &SettingsDialog::restoreDefaults);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    form->addRow(buttons);
    showValues();
}

// Closed with the board, whose preferences are gone by then: the key editor's last focus change
// must not reach them.
SettingsDialog::~SettingsDialog()
{
    globalKeyEdit->disconnect(this);
}

void SettingsDialog::addFlagRow(const QString &text, const Preference<bool> &flag)
{
    auto *box = new QCheckBox(text);
    form->addRow(box);
    flagBoxes.append({box, &flag});
    connect(box, &QCheckBox::toggled, this, [this, &flag](bool on) {
        if (on != flag.read(board.preferences()))
            board.storePreferences({{flag.key, on}});
    });
}

// A toggle of the board's bars, which keeps its own preference: the box and the toggle follow
// each other.
void SettingsDialog::addToggleRow(QAction *toggle)
{
    auto *box = new QCheckBox(toggle->text());
    box->setChecked(toggle->isChecked());
    form->addRow(box);
    connect(box, &QCheckBox::toggled, toggle, &QAction::setChecked);
    connect(toggle, &QAction::toggled, box, &QCheckBox::setChecked);
}

void SettingsDialog::addGlobalKeyRow()
{
    globalKeyEdit = new QKeySequenceEdit;
    globalKeyEdit->setToolTip(tr("Pulse la combinación que pasa el puntero al escritorio y "
                                 "vuelve, desde cualquier programa"));
    globalKeyProblem = new QLabel;
    globalKeyProblem->setWordWrap(true);
    globalKeyProblem->hide();
    form->addRow(tr("Tecla global:"), globalKeyEdit);
    form->addRow(globalKeyProblem);
    connect(globalKeyEdit, &QKeySequenceEdit::editingFinished, this, &SettingsDialog::takeGlobalKey);
    // Where the desktop chooses the key, the field cannot change it: said before anything is
    // pressed into it.
    const QString problem = session.globalKeyChoiceProblem();
    globalKeyEdit->setEnabled(problem.isEmpty());
    showKeyProblem(problem);
}

// Under the key's field, as a sentence of its own, the window growing to show it whole.
void SettingsDialog::showKeyProblem(const QString &problem)
{
    QString sentence = problem;
    if (!sentence.isEmpty())
        sentence[0] = sentence.at(0).toUpper();
    globalKeyProblem->setText(sentence);
    globalKeyProblem->setVisible(!sentence.isEmpty());
    // Before the first show Qt sizes the window itself, once its style has its say.
    if (isVisible())
        adjustSize();
}

void SettingsDialog::addPenRows()
{
    widthBox = new QComboBox;
    for (int width : Preferences::offeredPenWidths)
        widthBox->addItem(ToolIcons::width(width), tr("%1 px").arg(width), width);
    form->addRow(tr("Grosor:"), widthBox);
    connect(widthBox, &QComboBox::activated, this, [this] {
        board.choosePenWidth(widthBox->currentData().toInt());
    });

    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (!tool->inks)
            continue;
        auto *box = new QComboBox;
        for (const BoardTools::InkChoice &choice : tool->inks->choices)
            box->addItem(swatch(choice.colour), toolText(choice.label), choice.colour);
        form->addRow(tr("Color de %1:").arg(toolText(tool->label)), box);
        connect(box, &QComboBox::activated, this, [this, box, tool] {
            board.chooseInk(*tool, box->currentData().value<QColor>());
        });
        inkBoxes << box;
    }

    spotlightBox = new QSpinBox;
    spotlightBox->setRange(smallestSpotlight, largestSpotlight);
    spotlightBox->setSuffix(tr(" px"));
    form->addRow(tr("Radio del foco:"), spotlightBox);
    connect(spotlightBox, &QSpinBox::editingFinished, this, [this] {
        if (spotlightBox->value() != board.spotlightRadius())
            board.chooseSpotlightRadius(spotlightBox->value());
    });
}

void SettingsDialog::addScreenRow()
{
    screenBox = new QComboBox;
    for (QScreen *screen : QGuiApplication::screens())
        screenBox->addItem(ScreenChoice::describe(screen), ScreenChoice::remembered(screen));
    form->addRow(tr("Pantalla:"), screenBox);
    connect(screenBox, &QComboBox::activated, this, [this] {
        const QString chosen = screenBox->currentData().toString();
        for (QScreen *screen : QGuiApplication::screens()) {
            if (ScreenChoice::remembered(screen) == chosen && screen != board.screen())
                session.pickScreen(screen);
        }
    });
}

void SettingsDialog::addLanguageRow()
{
    languageBox = new QComboBox;
    languageBox->addItem(tr("El del escritorio"), QString());
    for (const Translations::Language &language : Translations::spoken())
        languageBox->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    form->addRow(tr("Idioma:"), languageBox);
    auto *note = new QLabel(tr("El idioma cambia la próxima vez que se abre el tablero."));
    note->setWordWrap(true);
    form->addRow(note);
    connect(languageBox, &QComboBox::activated, this, [this] {
        const QString code = languageBox->currentData().toString();
        if (code == Preferences::language.read(board.preferences()))
            return;
        if (code.isEmpty())
            board.forgetPreferences({Preferences::language.key});
        else
            board.storePreferences({{Preferences::language.key, code}});
    });
}

// The values in use, which the preferences hold or the board took by default.
void SettingsDialog::showValues()
{
    const QSettings &stored = board.preferences();
    globalKeyEdit->setKeySequence(Preferences::globalKey.read(stored));
    showEntry(widthBox, board.boardScene()->freehandPenWidth());
    qsizetype ink = 0;
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (tool->inks)
            showEntry(inkBoxes.at(ink++), board.boardScene()->ink(DiagramScene::Mode(tool->mode)));
    }
    spotlightBox->setValue(board.spotlightRadius());
    showEntry(screenBox, board.screen() ? ScreenChoice::remembered(board.screen()) : QString());
    showEntry(languageBox, Preferences::language.read(stored));
    keepLastBox->setChecked(Preferences::keepLastBoard.read(stored));
    for (const auto &[box, flag] : std::as_const(flagBoxes))
        box->setChecked(flag->read(stored));
}

void SettingsDialog::takeGlobalKey()
{
    // One combination: the first of what was pressed.
    const QKeySequence typed = globalKeyEdit->keySequence();
    const QKeySequence key = typed.isEmpty() ? typed : QKeySequence(typed[0]);
    const QKeySequence current = Preferences::globalKey.read(board.preferences());
    if (key.isEmpty() || key == current) {
        globalKeyEdit->setKeySequence(current); // nothing taken: the key in use shows again
        return;
    }
    const QString problem = session.changeGlobalKey(key);
    showKeyProblem(problem);
    if (!problem.isEmpty())
        globalKeyEdit->setKeySequence(current);
}

// Every value as at the first start: applied, then taken out of the preferences, so that none
// of them is kept.
void SettingsDialog::restoreDefaults()
{
    const QKeySequence usualKey = Preferences::globalKey.fallback();
    if (Preferences::globalKey.read(board.preferences()) != usualKey)
        session.changeGlobalKey(usualKey);
    board.choosePenWidth(Preferences::penWidth.fallback());
    QStringList keys{Preferences::globalKey.key,
                     Preferences::penWidth.key,
                     Preferences::spotlightRadius.key,
                     Preferences::screen.key,
                     Preferences::language.key,
                     Preferences::keepLastBoard.key,
                     Preferences::showKeysAtStart.key,
                     Preferences::hideLabelTyping.key};
    for (const BoardTools::Tool *tool = BoardTools::begin(); tool != BoardTools::end(); ++tool) {
        if (!tool->inks)
            continue;
        board.chooseInk(*tool, tool->inks->choices.first().colour);
        keys << tool->inks->preference;
    }
    board.chooseSpotlightRadius(Preferences::spotlightRadius.fallback());
    board.showClicksToggle()->setChecked(Preferences::showClicks.fallback());
    keys << Preferences::showClicks.key;
    board.forgetPreferences(keys);
    showKeyProblem(session.globalKeyChoiceProblem());
    showValues();
}
