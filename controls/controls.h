// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
#pragma once

// What the handlers work on: the window's controls by their design names.

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace korvane {

// The controls by their design names. The window owns them (Qt parent chain);
// handlers reach each other only through these controls' texts and states.
struct Controls {
    QLineEdit *nTitul = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdKonec = nullptr;
    QScrollBar *HScrollSpomaleni = nullptr;
    QLineEdit *nKmitočet = nullptr;
    QLineEdit *nSpomaleni = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QGroupBox *nNomKmitočet = nullptr;
    QRadioButton *op2 = nullptr;
    QRadioButton *op3Dirky = nullptr;
    QRadioButton *op4Dírky = nullptr;
    QRadioButton *op20 = nullptr;
    QLineEdit *nWavelenghts = nullptr;
    QLineEdit *nRelKmitočet = nullptr;
    QScrollBar *HScrollKmitočet = nullptr;
    QScrollBar *HScrollKmitocet20 = nullptr;
    QLineEdit *nSměs = nullptr;
    QLineEdit *nCornu = nullptr;
    QLineEdit *nNdirek = nullptr;
    QLineEdit *nMřížka = nullptr;
};

} // namespace korvane
