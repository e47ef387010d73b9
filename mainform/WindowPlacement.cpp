#include "WindowPlacement.h"

#include <algorithm>
#include <array>

namespace hexlume {

namespace {

constexpr int kGap = 8;  // between the owner's frame and the window's

int CoveredArea(QRect window, QRect owner)
{
    const QRect covered = window.intersected(owner);
    return covered.isEmpty() ? 0 : covered.width() * covered.height();
}

// The rectangle moved (not resized) into `available`; its size must fit there.
QRect Inside(QRect window, QRect available)
{
    window.moveLeft(std::clamp(window.left(), available.left(), available.right() - window.width() + 1));
    window.moveTop(std::clamp(window.top(), available.top(), available.bottom() - window.height() + 1));
    return window;
}

}  // namespace

QRect PlaceBeside(QRect owner, QSize wanted, QSize smallest, QRect available)
{
    const QSize size = wanted.boundedTo(available.size());
    const int roomRight = available.right() - owner.right() - kGap;
    const int roomLeft = owner.left() - kGap - available.left();
    // Beside the owner at full width, else narrowed to the wider side's room while that still
    // leaves the window usable.
    for (const bool whole : {true, false}) {
        const int needed = whole ? size.width() : std::min(size.width(), smallest.width());
        if (roomRight >= needed || roomLeft >= needed) {
            const bool right = roomRight >= needed && (whole || roomRight >= roomLeft);
            const int width = std::min(size.width(), right ? roomRight : roomLeft);
            const int left = right ? owner.right() + 1 + kGap : owner.left() - kGap - width;
            return Inside(QRect(QPoint(left, owner.top()), QSize(width, size.height())), available);
        }
    }
    // No room on either side: the place inside the screen that covers the least of the owner,
    // trying right, left, below and above it, in that order on a tie.
    const std::array<QPoint, 4> tries{QPoint(owner.right() + 1 + kGap, owner.top()),
                                      QPoint(owner.left() - kGap - size.width(), owner.top()),
                                      QPoint(owner.left(), owner.bottom() + 1 + kGap),
                                      QPoint(owner.left(), owner.top() - kGap - size.height())};
    QRect best;
    int bestCovered = 0;
    for (const QPoint& at : tries) {
        const QRect place = Inside(QRect(at, size), available);
        const int covered = CoveredArea(place, owner);
        if (best.isNull() || covered < bestCovered) {
            best = place;
            bestCovered = covered;
        }
    }
    return best;
}

}  // namespace hexlume
