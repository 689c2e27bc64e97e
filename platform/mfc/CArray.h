#pragma once
// The class library's growable array template.
//
// Growth as the class library's: SetSize on an empty array allocates
// max(newSize, grow-by); when the allocation is too small it grows by the
// grow-by, or when that is 0 (the default: automatic) by size/8 clamped to
// 4..1024, or to newSize when that is larger. Shrinking keeps the allocation;
// SetSize(0) and RemoveAll free it, FreeExtra trims it. New elements are
// value-initialised (zero for plain data).
//
// An index out of range throws std::out_of_range (nothing is touched).
// Pointers from GetData and references from ElementAt / operator[] are valid
// until the array reallocates.
//
// Serialize: the count (WriteCount) then the elements by SerializeElements
// (CArchive.h): plain data such as POINT (8 bytes, little-endian), DWORD, int
// or double as raw bytes, CString as strings. Loading grows the array only as
// data arrives, so a corrupt count costs no memory.
//
// Unlike the class library, the array is not a CObject (Serialize is not
// virtual), and it copies and moves like a value.

#include "platform/mfc/CArchive.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
    static_assert(!std::is_same_v<TYPE, bool>, "CArray<bool> is not supported");

public:
    CArray() = default;
    CArray(const CArray& other) : m_data(other.m_data), m_nGrowBy(other.m_nGrowBy) {}
    CArray(CArray&& other) noexcept : m_data(std::move(other.m_data)), m_nGrowBy(other.m_nGrowBy) {}
    CArray& operator=(const CArray& other) {
        if (this != &other)
            Copy(other);
        return *this;
    }
    CArray& operator=(CArray&& other) noexcept {
        m_data = std::move(other.m_data);
        return *this;
    }

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // Not in the class library: the number of elements allocated.
    INT_PTR GetAllocSize() const { return static_cast<INT_PTR>(m_data.capacity()); }
    INT_PTR GetGrowBy() const { return m_nGrowBy; }

    // growBy -1 keeps the current grow-by.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (newSize < 0)
            throw std::out_of_range("CArray::SetSize: negative size");
        if (growBy >= 0)
            m_nGrowBy = growBy;
        auto size = static_cast<std::size_t>(newSize);
        if (size == 0) {
            std::vector<TYPE>().swap(m_data);
            return;
        }
        if (m_data.capacity() == 0) {
            m_data.reserve(std::max<std::size_t>(size, static_cast<std::size_t>(m_nGrowBy)));
        } else if (size > m_data.capacity()) {
            INT_PTR grow = m_nGrowBy;
            if (grow == 0)
                grow = std::clamp<INT_PTR>(GetSize() / 8, 4, 1024);
            std::size_t newMax = m_data.capacity() + static_cast<std::size_t>(grow);
            m_data.reserve(std::max(size, newMax));
        }
        m_data.resize(size);
    }

    void RemoveAll() { SetSize(0); }
    void FreeExtra() {
        if (m_data.capacity() != m_data.size())
            std::vector<TYPE>(m_data.begin(), m_data.end()).swap(m_data);
    }

    const TYPE& GetAt(INT_PTR index) const { return m_data[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE newElement) { m_data[Checked(index)] = newElement; }
    TYPE& ElementAt(INT_PTR index) { return m_data[Checked(index)]; }
    const TYPE& ElementAt(INT_PTR index) const { return m_data[Checked(index)]; }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }

    // Null when empty.
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }

    // Grows the array to reach index when needed.
    void SetAtGrow(INT_PTR index, ARG_TYPE newElement) {
        if (index < 0)
            throw std::out_of_range("CArray::SetAtGrow: negative index");
        TYPE value(newElement); // may refer into this array
        if (index >= GetSize())
            SetSize(index + 1, -1);
        m_data[static_cast<std::size_t>(index)] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement) {
        INT_PTR index = GetSize();
        SetAtGrow(index, newElement);
        return index;
    }
    // Appends the elements of src; returns the index of the first appended.
    INT_PTR Append(const CArray& src) {
        INT_PTR oldSize = GetSize();
        INT_PTR n = src.GetSize();
        SetSize(oldSize + n);
        // src may be this array: its first n elements are still in place.
        for (INT_PTR i = 0; i < n; ++i)
            m_data[static_cast<std::size_t>(oldSize + i)] = src.m_data[static_cast<std::size_t>(i)];
        return oldSize;
    }
    void Copy(const CArray& src) {
        if (this == &src)
            return;
        SetSize(src.GetSize());
        std::copy(src.m_data.begin(), src.m_data.end(), m_data.begin());
    }

    // Inserts count copies at index; an index past the end grows the array.
    void InsertAt(INT_PTR index, ARG_TYPE newElement, INT_PTR count = 1) {
        if (index < 0 || count < 0)
            throw std::out_of_range("CArray::InsertAt: negative index or count");
        if (count == 0)
            return;
        TYPE value(newElement);
        INT_PTR oldSize = GetSize();
        if (index >= oldSize) {
            SetSize(index + count, -1);
        } else {
            SetSize(oldSize + count, -1);
            std::move_backward(m_data.begin() + index, m_data.begin() + oldSize, m_data.end());
        }
        std::fill(m_data.begin() + index, m_data.begin() + index + count, value);
    }
    // Inserts the elements of newArray at startIndex.
    void InsertAt(INT_PTR startIndex, const CArray* newArray) {
        if (!newArray || newArray->GetSize() == 0)
            return;
        CArray copy(*newArray); // newArray may be this array
        InsertAt(startIndex, copy.m_data[0], copy.GetSize());
        std::copy(copy.m_data.begin(), copy.m_data.end(), m_data.begin() + startIndex);
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        if (index < 0 || count < 0 || index > GetSize() || count > GetSize() - index)
            throw std::out_of_range("CArray::RemoveAt: range outside the array");
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
            SerializeElements<TYPE>(ar, GetData(), GetSize());
            return;
        }
        DWORD_PTR count = ar.ReadCount();
        RemoveAll();
        // In pieces: the count is only believed as far as the data goes.
        constexpr DWORD_PTR kPiece = 4096;
        while (count > 0) {
            DWORD_PTR piece = std::min(count, kPiece);
            INT_PTR start = GetSize();
            SetSize(start + static_cast<INT_PTR>(piece));
            SerializeElements<TYPE>(ar, m_data.data() + start, static_cast<INT_PTR>(piece));
            count -= piece;
        }
    }

private:
    std::size_t Checked(INT_PTR index) const {
        if (index < 0 || index >= GetSize())
            throw std::out_of_range("CArray: index out of range");
        return static_cast<std::size_t>(index);
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = 0;
};

using CByteArray = CArray<BYTE, BYTE>;
using CWordArray = CArray<WORD, WORD>;
using CDWordArray = CArray<DWORD, DWORD>;
using CUIntArray = CArray<UINT, UINT>;
using CStringArray = CArray<CString, const CString&>;
