#pragma once
// Plenvik.ini beside the program: line 1 the drawing colour, line 2 the
// panel colour, three whole numbers 0..255 each, CR LF after each line.

#include "design/pagedesign.h"

#include <QString>

namespace plenvik {

struct Settings {
    Colour drawing = kDefaultDrawingColour;
    Colour panel = kDefaultPanelColour;
};

inline constexpr char kSettingsFileName[] = "Plenvik.ini";

// Reads item by item into 'settings'. Items read before a failure are kept;
// from the failing item on the values stay as they were. False when the
// file is missing, short or holds an item that is not a whole number 0..255.
bool readSettings(const QString &path, Settings &settings);
bool readSettingsData(const QByteArray &data, Settings &settings);

// Writes atomically: a failure leaves the earlier file whole. False on failure.
bool writeSettings(const QString &path, const Settings &settings);

QByteArray settingsBytes(const Settings &settings);

} // namespace plenvik
