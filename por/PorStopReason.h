#pragma once
// Why a walk over POR records ended.

enum class PorStopReason {
    Walking,      // not stopped yet
    DataEnd,      // fewer bytes than a record head were left
    CountReached, // a container's record count was walked
    BadType,      // type 0 or above the last known type
    BadSize,      // size below the head or running past the data
    EndRecord,    // the end record
    BadVersion,   // header version outside the accepted range: the block is refused
    ZeroScale,    // header scale 0: the block is refused
    ShortHeader,  // header smaller than its fixed part: the block is refused
};

constexpr bool IsPorRefusal(PorStopReason reason) {
    return reason == PorStopReason::BadVersion || reason == PorStopReason::ZeroScale ||
           reason == PorStopReason::ShortHeader;
}
