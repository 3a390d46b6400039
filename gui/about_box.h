// SPDX-License-Identifier: GPL-3.0-or-later
// The about box frmAbout: the emblem, the program's title and description,
// the licence and the credits for the data it ships with, a link to the web
// site and OK. Shown modally over the window that asks.
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

// The licence and where the atlas's places and the zones' history come from.
inline constexpr const char* kAboutLicence = QT_TRANSLATE_NOOP(
    "vellamor::AboutBox",
    "Vellamor is free software: you can redistribute it and/or modify it under the terms of "
    "the GNU General Public License, version 3 or (at your option) any later version. It comes "
    "with absolutely no warranty.");
inline constexpr const char* kAboutCredits = QT_TRANSLATE_NOOP(
    "vellamor::AboutBox",
    "Places of the atlas: GeoNames (geonames.org), licensed under Creative Commons "
    "Attribution 4.0 (CC BY 4.0). Time-zone history: the IANA Time Zone Database (tz), "
    "in the public domain.");
inline constexpr const char* kAboutEphemerisCredit = QT_TRANSLATE_NOOP(
    "vellamor::AboutBox",
    "Precise positions: Swiss Ephemeris by Astrodienst AG, licensed under the GNU Affero "
    "General Public License, version 3 (AGPL-3.0).");

// The box, built but not shown.
std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent);

// Shows the box and returns when the user closes it.
void ShowAboutBox(QWidget* parent);

}  // namespace vellamor
