#pragma once

#include <QUrl>

#include <optional>

// Where the help card's links lead; the URLs are what its texts carry.
enum class InfoLink { saveLocation, projectPage };

inline QUrl rawValue(InfoLink link) {
    switch (link) {
    case InfoLink::saveLocation:
        return QUrl(QStringLiteral("pz://saveLocation"));
    case InfoLink::projectPage:
        return QUrl(QStringLiteral("pz://sourcepage"));
    }
    return {};
}

inline std::optional<InfoLink> infoLink(const QUrl &url) {
    for (InfoLink link : {InfoLink::saveLocation, InfoLink::projectPage}) {
        if (url == rawValue(link))
            return link;
    }
    return std::nullopt;
}
