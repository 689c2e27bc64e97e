#pragma once
// The class library's doubly linked list template, walked with POSITION
// values (opaque; a position stays valid until its element is removed).
// CObList and CPtrList are this list of CObject* and void*.
//
// Misuse never corrupts memory: a null POSITION, or the head or tail of an
// empty list, throws std::out_of_range. (A POSITION of another list or of a
// removed element cannot be detected.) The list does not own what pointer
// elements point at. Serialize is offered for element types that
// SerializeElements knows (CArchive.h).
//
// The nodes come from blocks the list holds, each as large as the list was
// when it was taken (up to a limit): the nodes of a list filled once lie
// side by side in memory in list order, so walking a long list reads memory
// ahead instead of following a pointer per element. A removed node is used
// again; the blocks go when the list is empty.

#include "platform/mfc/CArchive.h"
#include "platform/win/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList {
    struct Node {
        Node* next;
        Node* prev;
        TYPE data;
    };
    // Storage for one node, or the link to the next free one.
    union Slot {
        Slot* nextFree;
        alignas(Node) std::byte node[sizeof(Node)];
    };
    static constexpr INT_PTR kLargestBlock = 4096;

public:
    explicit CList(INT_PTR /*blockSize*/ = 10) {}
    ~CList() { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0 ? TRUE : FALSE; }

    TYPE& GetHead() { return Checked(m_head)->data; }
    const TYPE& GetHead() const { return Checked(m_head)->data; }
    TYPE& GetTail() { return Checked(m_tail)->data; }
    const TYPE& GetTail() const { return Checked(m_tail)->data; }

    TYPE RemoveHead() {
        Node* node = Checked(m_head);
        TYPE value = std::move(node->data);
        Unlink(node);
        return value;
    }
    TYPE RemoveTail() {
        Node* node = Checked(m_tail);
        TYPE value = std::move(node->data);
        Unlink(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return ToPos(LinkBefore(m_head, newElement)); }
    POSITION AddTail(ARG_TYPE newElement) { return ToPos(LinkAfter(m_tail, newElement)); }
    // Copies the elements of another list (the list itself is allowed).
    void AddHead(CList* newList) {
        if (!newList)
            return;
        // Walk backwards, each element going to the head, so the order is kept.
        Node* node = newList->m_tail;
        for (INT_PTR n = newList->m_count; n > 0; --n, node = node->prev)
            AddHead(node->data);
    }
    void AddTail(CList* newList) {
        if (!newList)
            return;
        Node* node = newList->m_head;
        for (INT_PTR n = newList->m_count; n > 0; --n, node = node->next)
            AddTail(node->data);
    }

    void RemoveAll() {
        Node* node = m_head;
        while (node) {
            Node* next = node->next;
            node->~Node();
            node = next;
        }
        m_head = m_tail = nullptr;
        m_count = 0;
        m_free = nullptr;
        m_blocks.clear();
    }

    POSITION GetHeadPosition() const { return ToPos(m_head); }
    POSITION GetTailPosition() const { return ToPos(m_tail); }

    // The element at pos; pos moves to the next (null after the tail).
    TYPE& GetNext(POSITION& pos) {
        Node* node = Checked(FromPos(pos));
        pos = ToPos(node->next);
        return node->data;
    }
    const TYPE& GetNext(POSITION& pos) const {
        Node* node = Checked(FromPos(pos));
        pos = ToPos(node->next);
        return node->data;
    }
    // The element at pos; pos moves to the previous (null before the head).
    TYPE& GetPrev(POSITION& pos) {
        Node* node = Checked(FromPos(pos));
        pos = ToPos(node->prev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& pos) const {
        Node* node = Checked(FromPos(pos));
        pos = ToPos(node->prev);
        return node->data;
    }

    TYPE& GetAt(POSITION pos) { return Checked(FromPos(pos))->data; }
    const TYPE& GetAt(POSITION pos) const { return Checked(FromPos(pos))->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Checked(FromPos(pos))->data = newElement; }
    void RemoveAt(POSITION pos) { Unlink(Checked(FromPos(pos))); }

    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, ARG_TYPE newElement) {
        if (!pos)
            return AddHead(newElement);
        return ToPos(LinkBefore(FromPos(pos), newElement));
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE newElement) {
        if (!pos)
            return AddTail(newElement);
        return ToPos(LinkAfter(FromPos(pos), newElement));
    }

    // The first element equal to searchValue after startAfter (from the head
    // when null); null when none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        Node* node = startAfter ? FromPos(startAfter)->next : m_head;
        for (; node; node = node->next) {
            if (node->data == searchValue)
                return ToPos(node);
        }
        return nullptr;
    }
    // The position of the index-th element (from 0); null when out of range.
    POSITION FindIndex(INT_PTR index) const {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
        while (index-- > 0)
            node = node->next;
        return ToPos(node);
    }

    // Count, then each element by SerializeElements. Loading appends.
    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_count));
            for (Node* node = m_head; node; node = node->next)
                SerializeElements<TYPE>(ar, &node->data, 1);
        } else {
            DWORD_PTR count = ar.ReadCount();
            while (count-- > 0) {
                TYPE value{};
                SerializeElements<TYPE>(ar, &value, 1);
                AddTail(value);
            }
        }
    }

private:
    static POSITION ToPos(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* FromPos(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    static Node* Checked(Node* node) {
        if (!node)
            throw std::out_of_range("CList: no element at this position");
        return node;
    }

    Node* LinkBefore(Node* at, ARG_TYPE value) {
        Node* node = NewNode(at, at ? at->prev : nullptr, value);
        if (node->prev)
            node->prev->next = node;
        else
            m_head = node;
        if (at)
            at->prev = node;
        else
            m_tail = node;
        ++m_count;
        return node;
    }
    Node* LinkAfter(Node* at, ARG_TYPE value) {
        Node* node = NewNode(at ? at->next : nullptr, at, value);
        if (node->next)
            node->next->prev = node;
        else
            m_tail = node;
        if (at)
            at->next = node;
        else
            m_head = node;
        ++m_count;
        return node;
    }
    void Unlink(Node* node) {
        if (node->prev)
            node->prev->next = node->next;
        else
            m_head = node->next;
        if (node->next)
            node->next->prev = node->prev;
        else
            m_tail = node->prev;
        FreeNode(node);
        --m_count;
        if (m_count == 0)
            RemoveAll();
    }
    Node* NewNode(Node* next, Node* prev, ARG_TYPE value) {
        if (!m_free) {
            // Each block doubles what the list holds, so a long list takes
            // few blocks; the free slots run in address order.
            const INT_PTR size = std::clamp<INT_PTR>(m_count, 1, kLargestBlock);
            std::unique_ptr<Slot[]> block(new Slot[static_cast<std::size_t>(size)]);
            for (INT_PTR i = size; i-- > 0;) {
                block[i].nextFree = m_free;
                m_free = &block[i];
            }
            m_blocks.push_back(std::move(block));
        }
        Slot* slot = m_free;
        m_free = slot->nextFree;
        return ::new (static_cast<void*>(slot->node)) Node{next, prev, value};
    }
    void FreeNode(Node* node) {
        node->~Node();
        Slot* slot = std::launder(reinterpret_cast<Slot*>(node));
        slot->nextFree = m_free;
        m_free = slot;
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
    Slot* m_free = nullptr;
    std::vector<std::unique_ptr<Slot[]>> m_blocks;
};
