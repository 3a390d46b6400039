// The web search behind "Click here to find Latitude && Longitude": the
// browser looks up the birth place, and the user reads the coordinates there.
#pragma once

#include <QString>
#include <QUrl>

namespace vellamor {

// "Pune Maharashtra India Latitude Longitude" for Pune, Maharashtra, India;
// the texts are used as typed, blanks and all.
QString CoordinateSearchText(const QString& city, const QString& state, const QString& country);

// The address of a web search for a text.
QUrl CoordinateSearchUrl(const QString& searchText);

// Opens the search in the default browser, without waiting and without
// reporting a failure.
void SearchForCoordinates(const QString& searchText);

}  // namespace vellamor
