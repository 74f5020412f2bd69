// Control IDs: the low word of WM_COMMAND's first parameter.
#pragma once

enum ControlId {
    // 14-23: selection screen settings, the start button and the return button
    kId12Capitals = 14,
    kId16Capitals = 15,
    kId20Capitals = 16,
    kIdStart = 17,
    kIdScanning = 18,
    kIdBlinks2 = 19, // "2" to "5": the blink count is the ID less 17
    kIdBlinks5 = 22,
    kIdReturn = 23,

    // 24-28: continent check boxes
    kIdAllButEasy = 24,
    kIdAfrica = 25,
    kIdAmerica = 26,
    kIdEurope = 27,
    kIdAsia = 28,

    // 200-299 and 300-399: game buttons, base plus the pick index of their pair
    kIdCityBase = 200,
    kIdStateBase = 300,
    kIdBandEnd = 400,
};

// The scanning timer: one tick every 300 ms from window creation on, never stopped.
enum { kScanTimer = 1, kScanPeriod = 300 };
