#pragma once
// Main.ini: the user's whole working state from one run to the next. One
// value type holds everything the file holds; ReadSettings and WriteSettings
// convert between it and the file (code page 1251, CR LF, a fixed sequence
// of sections without keys).

#include "common/window_bounds.h"
#include "engine/search_conditions.h"
#include "favorites/favorites_model.h"
#include "favorites/used_items_model.h"
#include "recipe_list/search_slots.h"
#include "reference_table/grid_model.h"
#include "settings/settings_block.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

inline constexpr int kHeaderSectionCount = 26; // recipe-list header
inline constexpr int kHeaderEffInfoSectionCount = 7;
inline constexpr int kSettingsFontCount = 14;
inline constexpr const char *kSettingsFileName = "Main.ini";

// Only a font's face name and size (points) are kept.
struct FontSetting {
    QString name;
    std::int32_t size = 0;

    friend bool operator==(const FontSetting &, const FontSetting &) = default;
};

// The fourteen fonts, in the file's order.
enum class SettingsFont : int {
    LBPotion = 0,   // the recipe list
    UsedItemsList,  // the list of the available-ingredient window
    DropDown,       // effect, filter, ingredient and price choosers
    StringGrid,     // the reference grid
    LBFavorites,    // the favourite-recipe list
    LbItemsInfo,    // the recipe ingredient list
    LbEffectInfo,   // the recipe effect list
    LabelAddInfo,   // the text label of the recipe strip
    LbHelp,         // help topics and help text
    PanelCount,     // the recipe count panel
    FavoritesLists, // both lists of the favourites window
    MainForm,       // the main window
    AltLists,       // the four alternative-making lists
    DragText,       // the text of the drag picture
};

struct MainSettings {
    // Column widths; a file with fewer widths leaves the rest as they were.
    std::array<std::int32_t, kHeaderSectionCount> headerWidths{};
    std::array<std::int32_t, kHeaderEffInfoSectionCount> headerEffInfoWidths{};
    std::array<std::int32_t, kGridColumnCount> gridColumnWidths{};

    SettingsBlock block;
    FavoritesModel favorites;
    UsedItemsModel usedItems; // its UsedItemsSetIndex is line 64 of the block

    WindowBounds pictureWindowBounds;
    WindowBounds usedItemsWindowBounds;
    WindowBounds favoritesWindowBounds;

    std::array<FontSetting, kSettingsFontCount> fonts;
    std::array<SearchConditions, kSearchSlotCount> SearchSlots;

    FontSetting &font(SettingsFont f) { return fonts[static_cast<std::size_t>(f)]; }
    const FontSetting &font(SettingsFont f) const { return fonts[static_cast<std::size_t>(f)]; }

    // The current set lives in the used-items model and in line 64; these
    // keep both in step.
    std::int32_t usedItemsSetIndex() const { return usedItems.UsedItemsSetIndex; }
    void setUsedItemsSetIndex(std::int32_t v);

    friend bool operator==(const MainSettings &, const MainSettings &) = default;
};

// The first-run state: the window's initial sizes, fonts and check states and
// sensible values for the rest; set 0 holds every ingredient. Every default
// colour is an explicit RGB code (no system colours); the picture background
// is plain white where the window description has the window colour.
MainSettings defaultSettings(int itemRecordCount);

// Check states the file does not carry: their state at every start.
inline constexpr bool kDefaultClearLbPotionBeforeSearsh = true;
inline constexpr bool kDefaultCanFrameLBoxCell = false;

// A tool-window rectangle that comes within 20 pixels of the screen's right
// or bottom edge (or beyond) is replaced by the centred rectangle from a
// third of the width and a quarter of the height to the mirror position.
// So is an empty or inverted one, one larger than kMaxPixelSize, one
// starting further than kMaxPixelSize left of or above the screen, or one
// ending less than 20 pixels right of or below the screen's top-left corner.
WindowBounds fitToolWindowToScreen(const WindowBounds &saved, int screenWidth, int screenHeight);

// What a read or write came to.
struct SettingsResult {
    enum class Status { Ok, Missing, Error };
    Status status = Status::Ok;
    int line = 0;    // 1-based line of the file where reading failed
    QString message; // for the user (Russian), empty on success

    bool ok() const { return status == Status::Ok; }
};

// Reads the file into `out`. A missing file gives Status::Missing and `out`
// = defaultSettings; a file that cannot be read to the end gives
// Status::Error naming the line, and `out` is also left at the defaults.
// Sets are sized to itemRecordCount entries.
SettingsResult ReadSettings(const QString &path, int itemRecordCount, MainSettings &out);
// Parses file contents already in memory (same rules as ReadSettings).
SettingsResult parseSettings(const QByteArray &bytes, int itemRecordCount, MainSettings &out);

// Writes the whole file. The old file is replaced only when the new one was
// written completely and flushed to disk; on any error it stays untouched
// and the result says why.
SettingsResult WriteSettings(const QString &path, const MainSettings &settings);
// The file's bytes for a value (reserved block lines written as 0).
QByteArray serializeSettings(const MainSettings &settings);

} // namespace qor
