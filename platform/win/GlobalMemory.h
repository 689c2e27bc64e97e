#pragma once
// Global memory blocks: the GlobalAlloc family. A handle (HGLOBAL) names a
// block with its flags, its exact size and a lock count. Blocks carry data
// between the program and the plug-in libraries, so they live in ruk_platform
// (one copy for all of them) and whoever owns a block frees it.
//
// Semantics on this platform:
// - GlobalSize is exactly the size asked for (GlobalAlloc / GlobalReAlloc),
//   never rounded up.
// - The contents of new memory are always zero (GMEM_ZEROINIT is accepted; it
//   changes nothing), also the growth of GlobalReAlloc.
// - A block never moves its handle: GlobalReAlloc returns the same handle,
//   but the data may move, so pointers from an earlier GlobalLock are stale
//   after it (unlock, reallocate, lock again).
// - GlobalLock of a zero-byte block returns null and does not count a lock.
// - A null handle, or one already freed, never crashes: the functions return
//   0 or null (GlobalFlags returns GMEM_INVALID_HANDLE).
// - GlobalFree frees a block even while it is locked.
// - All functions are safe to call from several threads.

#include "platform/win/WinTypes.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_NOCOMPACT = 0x0010;
constexpr UINT GMEM_NODISCARD = 0x0020;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_MODIFY = 0x0080;
constexpr UINT GMEM_DISCARDABLE = 0x0100;
constexpr UINT GMEM_SHARE = 0x2000;
constexpr UINT GMEM_DDESHARE = 0x2000;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// Results of GlobalFlags.
constexpr UINT GMEM_LOCKCOUNT = 0x00FF;
constexpr UINT GMEM_DISCARDED = 0x4000;
constexpr UINT GMEM_INVALID_HANDLE = 0x8000;

// A new block of exactly `bytes` bytes (zero bytes allowed), or null when the
// memory cannot be had (more than 0x7FFFFFFF bytes is refused).
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);

// Changes the size, keeping the contents up to the smaller size; returns the
// same handle, or null (the block unchanged) on failure or a bad handle. With
// GMEM_MODIFY only the GMEM_MOVEABLE / GMEM_DISCARDABLE flags change.
HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);

// Null on success; the handle itself when it is not a live block (null for null).
HGLOBAL GlobalFree(HGLOBAL block);

// The data, counting one lock; null for a bad handle or a zero-byte block.
void* GlobalLock(HGLOBAL block);
// Takes back one lock; TRUE while the block is still locked afterwards.
BOOL GlobalUnlock(HGLOBAL block);

// The size asked for; 0 for a bad handle.
SIZE_T GlobalSize(HGLOBAL block);

// Lock count (low byte, at most 255) with GMEM_DISCARDABLE, and
// GMEM_DISCARDED for a moveable block of zero bytes; GMEM_INVALID_HANDLE for a
// bad handle.
UINT GlobalFlags(HGLOBAL block);

// Not in the platform: the first `bytes` bytes of the block will not be read
// again. The whole pages among them of a large block go back to the system
// and read as zero afterwards; every other byte keeps its contents, and the
// size stays. FALSE for a bad handle.
BOOL GlobalDiscardHead(HGLOBAL block, SIZE_T bytes);

// The handle of the block whose data starts at `data` (a pointer GlobalLock
// returned), or null.
HGLOBAL GlobalHandle(const void* data);
