#include "boardtools.h"

#include "gestures/arrowgesture.h"
#include "gestures/blurgesture.h"
#include "gestures/cutgesture.h"
#include "gestures/ellipsegesture.h"
#include "gestures/erasergesture.h"
#include "gestures/highlightgesture.h"
#include "gestures/lasergesture.h"
#include "gestures/linegesture.h"
#include "gestures/movegesture.h"
#include "gestures/numbergesture.h"
#include "gestures/pengesture.h"
#include "gestures/shapegesture.h"
#include "gestures/spannedrectgesture.h"
#include "gestures/textgesture.h"
#include "items/diagramitem.h"
#include "scene/diagramscene.h"

#include <QtGlobal>

#include <cstring>

namespace {

using BoardTools::Place;
using BoardTools::textToolId;
using BoardTools::Tool;

template<typename Gesture>
std::unique_ptr<BoardGesture> make(DiagramScene &scene)
{
    return std::make_unique<Gesture>(scene);
}

// Bright enough to find on any slide, translucent enough to read what lies under them.
const BoardTools::Inks highlighterInks{
    "highlightColor",
    {
        {QT_TRANSLATE_NOOP("MainWindow", "Amarillo"), QColor(255, 230, 0, 110)},
        {QT_TRANSLATE_NOOP("MainWindow", "Verde"), QColor(60, 230, 60, 110)},
        {QT_TRANSLATE_NOOP("MainWindow", "Rosa"), QColor(255, 80, 200, 110)},
        {QT_TRANSLATE_NOOP("MainWindow", "Celeste"), QColor(60, 200, 255, 110)},
        {QT_TRANSLATE_NOOP("MainWindow", "Naranja"), QColor(255, 150, 30, 110)},
    },
};

// Vivid, so that the pointer stands out on a shared screen.
const BoardTools::Inks laserInks{
    "laserColor",
    {
        {QT_TRANSLATE_NOOP("MainWindow", "Rojo"), QColor(255, 30, 30)},
        {QT_TRANSLATE_NOOP("MainWindow", "Verde"), QColor(30, 220, 60)},
        {QT_TRANSLATE_NOOP("MainWindow", "Azul"), QColor(40, 120, 255)},
        {QT_TRANSLATE_NOOP("MainWindow", "Amarillo"), QColor(255, 215, 0)},
        {QT_TRANSLATE_NOOP("MainWindow", "Magenta"), QColor(255, 40, 220)},
    },
};

// clang-format off
const Tool tools[] = {
    {"forma", QT_TRANSLATE_NOOP("MainWindow", "Forma"), "", "Ctrl+1",
     DiagramScene::InsertItem, DiagramItem::Square, "", Place::ToolBox, make<ShapeGesture>},
    {"proc", QT_TRANSLATE_NOOP("MainWindow", "Proc"), "", "Ctrl+2",
     DiagramScene::InsertItem, DiagramItem::Diamond, "", Place::ToolBox, make<ShapeGesture>},
    {"io", QT_TRANSLATE_NOOP("MainWindow", "I/O"), "", "Ctrl+3",
     DiagramScene::InsertItem, DiagramItem::Parallelogram, "", Place::ToolBox, make<ShapeGesture>},
    {"lapiz", QT_TRANSLATE_NOOP("MainWindow", "Lápiz"), ":/images/pen.png", "Ctrl+4",
     DiagramScene::DrawFreehand, DiagramItem::Freehand, "", Place::ToolBox, make<PenGesture>},
    {"texto", QT_TRANSLATE_NOOP("MainWindow", "Texto"), ":/images/textpointer.png", "Ctrl+5",
     DiagramScene::InsertText, textToolId, "", Place::ToolBox, make<TextGesture>},
    {"cortar", QT_TRANSLATE_NOOP("MainWindow", "Cortar"), ":/images/cut.png", "Ctrl+6",
     DiagramScene::CutRegion, DiagramItem::CutRect, "", Place::ToolBox, make<CutGesture>},
    {"libre", QT_TRANSLATE_NOOP("MainWindow", "Libre"), ":/images/about.png", "Ctrl+7",
     DiagramScene::DrawRect, DiagramItem::FreeRect, "", Place::ToolBox, make<SpannedRectGesture>},
    {"mover", QT_TRANSLATE_NOOP("MainWindow", "Mover"), ":/images/pointer.png", "Ctrl+8",
     DiagramScene::MoveItem, DiagramScene::MoveItem, "", Place::PointerBar, make<MoveGesture>},
    {"linea", QT_TRANSLATE_NOOP("MainWindow", "Línea"), ":/images/linepointer.png", "Ctrl+9",
     DiagramScene::InsertLine, DiagramScene::InsertLine, "", Place::PointerBar, make<LineGesture>},
    {"resaltador", QT_TRANSLATE_NOOP("MainWindow", "Resaltador"), "highlighter", "Ctrl+H",
     DiagramScene::DrawHighlight, -1, "", Place::ToolsBar, make<HighlightGesture>, &highlighterInks},
    {"borrador", QT_TRANSLATE_NOOP("MainWindow", "Borrador"), "eraser", "Ctrl+E",
     DiagramScene::Erase, -1, "", Place::ToolsBar, make<EraserGesture>},
    {"flecha", QT_TRANSLATE_NOOP("MainWindow", "Flecha"), "arrow", "Ctrl+Shift+F",
     DiagramScene::InsertArrow, -1, "", Place::ToolsBar, make<ArrowGesture>},
    {"laser", QT_TRANSLATE_NOOP("MainWindow", "Láser"), "laser", "Ctrl+Shift+L",
     DiagramScene::DrawLaser, -1, "", Place::ToolsBar, make<LaserGesture>, &laserInks},
    {"foco", QT_TRANSLATE_NOOP("MainWindow", "Foco"), "spotlight", "Ctrl+Shift+O",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"grosor", QT_TRANSLATE_NOOP("MainWindow", "Grosor"), "width", "",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"mas-grueso", QT_TRANSLATE_NOOP("MainWindow", "Más grueso"), "", "Ctrl++; Ctrl+=",
     -1, -1, "", Place::WidthMenu, nullptr},
    {"mas-fino", QT_TRANSLATE_NOOP("MainWindow", "Más fino"), "", "Ctrl+-",
     -1, -1, "", Place::WidthMenu, nullptr},
    {"paginas", QT_TRANSLATE_NOOP("MainWindow", "Páginas"), "pages", "",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"pagina-anterior", QT_TRANSLATE_NOOP("MainWindow", "Página anterior"), "", "Ctrl+PgUp",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"pagina-siguiente", QT_TRANSLATE_NOOP("MainWindow", "Página siguiente"), "", "Ctrl+PgDown",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"pagina-nueva", QT_TRANSLATE_NOOP("MainWindow", "Nueva página"), "", "",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"pagina-borrar", QT_TRANSLATE_NOOP("MainWindow", "Borrar página"), "", "",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"tablero-guardar", QT_TRANSLATE_NOOP("MainWindow", "Guardar tablero"), "", "Ctrl+Shift+S",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"tablero-abrir", QT_TRANSLATE_NOOP("MainWindow", "Abrir tablero"), "", "Ctrl+O",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"exportar-pdf", QT_TRANSLATE_NOOP("MainWindow", "Exportar PDF"), "", "Ctrl+Shift+E",
     -1, -1, "", Place::PagesMenu, nullptr},
    {"fondo", QT_TRANSLATE_NOOP("MainWindow", "Fondo"), "background", "",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"guardar", QT_TRANSLATE_NOOP("MainWindow", "Guardar imagen"), "save", "Ctrl+S",
     -1, -1, QT_TRANSLATE_NOOP("MainWindow", "Guardar el tablero como imagen"), Place::ToolsBar,
     nullptr},
    {"elipse", QT_TRANSLATE_NOOP("MainWindow", "Elipse"), "ellipse", "Ctrl+Shift+C",
     DiagramScene::DrawLaser + 1, -1, "", Place::ToolsBar, make<EllipseGesture>},
    {"numeros", QT_TRANSLATE_NOOP("MainWindow", "Números"), "numbers", "Ctrl+Shift+N",
     DiagramScene::DrawLaser + 2, -1, "", Place::ToolsBar, make<NumberGesture>},
    {"recuadro", QT_TRANSLATE_NOOP("MainWindow", "Recuadro"), "labelbox", "",
     -1, -1, QT_TRANSLATE_NOOP("MainWindow", "Recuadro: las etiquetas sobre una caja del color de relleno"),
     Place::ToolsBar, nullptr},
    {"difuminar", QT_TRANSLATE_NOOP("MainWindow", "Difuminar"), "blur", "Ctrl+Shift+B",
     DiagramScene::DrawLaser + 3, -1, "", Place::ToolsBar, make<BlurGesture>},
    {"lupa", QT_TRANSLATE_NOOP("MainWindow", "Lupa"), "magnifier", "Ctrl+Shift+X",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"clics", QT_TRANSLATE_NOOP("MainWindow", "Mostrar clics"), "clicks", "Ctrl+Shift+K",
     -1, -1, "", Place::ToolsBar, nullptr},
    {"teclas", QT_TRANSLATE_NOOP("MainWindow", "Mostrar teclas"), "keys", "Ctrl+Shift+J",
     -1, -1, "", Place::ToolsBar, nullptr},
};
// clang-format on

} // namespace

namespace BoardTools {

const Tool *begin()
{
    return std::begin(tools);
}

const Tool *end()
{
    return std::end(tools);
}

const Tool *find(const char *id)
{
    for (const Tool *tool = begin(); tool != end(); ++tool) {
        if (std::strcmp(tool->id, id) == 0)
            return tool;
    }
    return nullptr;
}

const Tool *withButton(Place place, int button)
{
    for (const Tool *tool = begin(); tool != end(); ++tool) {
        if (tool->place == place && tool->button == button)
            return tool;
    }
    return nullptr;
}

} // namespace BoardTools
