// The about box frmAbout: the emblem, the program's title and description,
// a link to the web site and OK. Shown modally over the window that asks.
#pragma once

#include <QtGlobal>
#include <memory>

class QDialog;
class QWidget;

namespace vellamor {

inline constexpr const char* kAboutDescription = QT_TRANSLATE_NOOP(
    "vellamor::AboutBox",
    "Vellamor draws the Sudarshan Chakra based on Vedic Astrology. The Sudarshan chakra "
    "comprises of the Surya Kundali, Chandra Kundali and Lagna Kundali or Janma Kundali. This "
    "gives a clear view of the position of the different planets and houses with respect to "
    "each other and how they affect the native.");

// The atlas's places come from GeoNames, whose licence asks for this credit.
inline constexpr const char* kPlaceDataCredit =
    "Place names: GeoNames (https://www.geonames.org), licensed under CC BY 4.0.";

// The box, built but not shown.
std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent);

// Shows the box and returns when the user closes it.
void ShowAboutBox(QWidget* parent);

}  // namespace vellamor
