#include "app/coordinate_search.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace vellamor {

QString CoordinateSearchText(const QString& city, const QString& state, const QString& country) {
    return city + u' ' + state + u' ' + country + QStringLiteral(" Latitude Longitude");
}

QUrl CoordinateSearchUrl(const QString& searchText) {
    QUrl url(QStringLiteral("https://duckduckgo.com/"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("q"), searchText);
    url.setQuery(query);
    return url;
}

void SearchForCoordinates(const QString& searchText) {
    QDesktopServices::openUrl(CoordinateSearchUrl(searchText));
}

}  // namespace vellamor
