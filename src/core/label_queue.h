// The text labels waiting to be placed on the plane with the label tool, each with the font size
// it was queued with, and which one the next click places.
#pragma once

#include <QList>
#include <QStringList>

struct LabelQueue {
    QStringList texts;
    QList<int> sizes;  // font size in points, one per text
    int current = -1;  // the label the next click places; -1 while no labels wait

    bool waiting() const { return current >= 0 && current < texts.size(); }
    bool atLast() const { return current == texts.size() - 1; }
    void clear() {
        texts.clear();
        sizes.clear();
        current = -1;
    }
};
