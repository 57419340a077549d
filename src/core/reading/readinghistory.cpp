#include "reading/readinghistory.h"

void ReadingHistory::visit(const reading::ReadingPlace& place) {
    if (m_current >= 0 && m_places[m_current].chapter == place.chapter) {
        m_places[m_current] = place;
        return;
    }
    m_places.resize(m_current + 1); // the places ahead are gone
    m_places.append(place);
    if (m_places.size() > kMostPlaces)
        m_places.removeFirst();
    m_current = m_places.size() - 1;
}

void ReadingHistory::keepTop(const reading::ReadingPlace& left) {
    if (m_current >= 0 && m_places[m_current].chapter == left.chapter)
        m_places[m_current].top = left.top;
}

bool ReadingHistory::canGoBack(bool placeShown) const {
    return placeShown ? m_current > 0 : m_current >= 0;
}

bool ReadingHistory::canGoForward() const {
    return m_current + 1 < m_places.size();
}

std::optional<reading::ReadingPlace> ReadingHistory::back(bool placeShown) {
    if (!canGoBack(placeShown))
        return std::nullopt;
    if (placeShown)
        --m_current;
    return m_places[m_current];
}

std::optional<reading::ReadingPlace> ReadingHistory::forward() {
    if (!canGoForward())
        return std::nullopt;
    return m_places[++m_current];
}
