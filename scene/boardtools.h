#pragma once

#include <QColor>
#include <QList>
#include <QtGlobal>

#include <memory>

class BoardGesture;
class DiagramScene;

// Every tool of the board and its key, described once: the tool box, the bars, the keys, the
// about box's list of keys, the scene's gestures and the tests all read this table. A new tool
// is a row here and, when it draws, a gesture class under gestures/.
namespace BoardTools {

// Where a tool's button stands.
enum class Place {
    ToolBox,    // the left panel
    PointerBar, // the "Pointer type" bar
    ToolsBar,   // the "Herramientas" bar
    WidthMenu,  // the menu of the width button on that bar
    PagesMenu   // the menu of the pages button on that bar
};

// The text tool's id in the tool box, which belongs to no shape kind.
inline constexpr int textToolId = 10;

// A colour a tool's ink may take, offered in the menu of its button.
struct InkChoice
{
    const char *label; // translated in MainWindow's context
    QColor colour;
};

// The colours of a tool's ink: the first until the presenter picks another, and the key of the
// preferences that keeps the pick.
struct Inks
{
    const char *preference;
    QList<InkChoice> choices;
};

struct Tool
{
    const char *id;    // a name for code and tests
    const char *label; // what the presenter reads (translated in MainWindow's context)
    const char *icon;  // a resource path, a painted icon's name, or empty for a shape's own
    const char *keys;  // in Qt's portable text, several parted by "; "; empty for none
    // The scene's mode it chooses; -1 for a tool that chooses none. A tool added later takes
    // the number after the last one in use: the scene names only the modes it refers to.
    int mode;
    int button;          // its id in the tool box or pointer group; -1 for none
    const char *tooltip; // what its button says; empty for the label with the key
    Place place;
    // What the pointer does in its mode; null for a tool that chooses no mode. Tools of one
    // mode share the first one's.
    std::unique_ptr<BoardGesture> (*gesture)(DiagramScene &scene);
    // The colours its ink offers; null for a tool that draws in the line colour or not at all.
    const Inks *inks = nullptr;
};

// The tools in the order their buttons stand, place by place.
const Tool *begin();
const Tool *end();
// The tool with this id; null for none.
const Tool *find(const char *id);
// The tool whose button stands in that place with that id; null for none.
const Tool *withButton(Place place, int button);

} // namespace BoardTools
