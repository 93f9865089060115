// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// Whether a caption shows whole in its design box, in the box's own font: the
// same measure for the design's English and for every translation.

#include "design.h"
#include "twips.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace korvane::test {

// Every control with a caption, by design name, and the label on the surface.
inline constexpr const char *kCaptionedControls[] = {
    "nTitul", "nWavelenghts", "nRelKmitočet", "nSměs", "nCornu", "nMřížka", "cmdStart", "cmdKonec",
    "nNomKmitočet", "op2", "op3Dirky", "op4Dírky", "op20",
};

// Why the caption would not show whole, or an empty text when it would.
inline QString captionCut(QWidget *widget)
{
    const QFontMetrics metrics(widget->font());
    auto cut = [](const QString &text, int needed, int room) {
        return needed <= room ? QString()
                              : QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
    };
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        // A frameless line edit keeps 2 pixels each side and one for the
        // cursor; a wider text scrolls.
        if (metrics.height() > box->height())
            return QStringLiteral("the font is taller than the box");
        return cut(box->text(), metrics.horizontalAdvance(box->text()) + 1, box->width() - 4);
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        // The title is drawn where the style puts it, indented from the left.
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return cut(frame->title(), label.left() + metrics.horizontalAdvance(frame->title()), frame->width());
    }
    if (auto *option = qobject_cast<QRadioButton *>(widget)) {
        // The caption is drawn in the room right of the indicator.
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        return cut(option->text(), metrics.horizontalAdvance(option->text()), room.width());
    }
    auto *button = qobject_cast<QPushButton *>(widget);
    if (metrics.height() > button->height())
        return QStringLiteral("the font is taller than the button");
    // Inside the style's bevel, with a pixel clear of it on either side.
    QStyleOptionButton style;
    style.initFrom(button);
    style.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button);
    return cut(button->text(), metrics.horizontalAdvance(button->text()) + 2, room.width());
}

// The label "Please press button Start" or its translation, on one line in its box.
inline QString labelCut(const QString &caption)
{
    const QRect box = twipsRect(labKlepnete.left, labKlepnete.top, labKlepnete.width, labKlepnete.height);
    const QRect needed = QFontMetrics(labKlepnete.font()).boundingRect(QRect(QPoint(), box.size()), Qt::TextWordWrap,
                                                                       caption);
    if (needed.height() > box.height())
        return QStringLiteral("\"%1\" wraps in its box").arg(caption);
    return needed.width() <= box.width()
               ? QString()
               : QStringLiteral("\"%1\" needs %2 px, has %3").arg(caption).arg(needed.width()).arg(box.width());
}

} // namespace korvane::test
