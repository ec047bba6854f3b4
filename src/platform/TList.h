// A doubly linked list of shared values that can be changed while it is being walked.
//
// Removing any element during a walk (the one being visited or another) only marks its link;
// walks skip marked links, and the links are unlinked and freed once no walk is active. Values
// added during a walk are visited by it when they land after the current element. A range-for
// loop is a walk; a loop over links (FirstLink / NextLink) should hold a TList::Walk so that the
// link it stands on stays valid when removed.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

template <class T> class TList;

template <class T> class TLink {
public:
    const std::shared_ptr<T>& Value() const { return value; }
    // Takes this link out of its list (a no-op when already removed).
    void Remove() { owner->RemoveLink(this); }
    // The neighbouring links still in the list; null at either end.
    TLink* NextLink() const { return SkipRemoved(next, &TLink::next); }
    TLink* PrevLink() const { return SkipRemoved(prev, &TLink::prev); }

private:
    friend class TList<T>;
    TLink(TList<T>* list, std::shared_ptr<T> v) : owner(list), value(std::move(v)) {}

    static TLink* SkipRemoved(TLink* link, TLink* TLink::*step) {
        while (link && link->removed)
            link = link->*step;
        return link;
    }

    TList<T>* owner;
    std::shared_ptr<T> value;
    TLink* prev = nullptr;
    TLink* next = nullptr;
    bool removed = false;
};

template <class T> class TList {
public:
    using Value = std::shared_ptr<T>;
    using Link = TLink<T>;
    // Result > 0 puts b before a when sorting ascending.
    using Compare = std::function<int(const Value& a, const Value& b)>;

    // Keeps removed links in place for as long as it lives.
    class Walk {
    public:
        explicit Walk(const TList& walked) : list(const_cast<TList*>(&walked)) { list->walks++; }
        Walk(const Walk& other) : Walk(*other.list) {}
        Walk& operator=(const Walk&) = delete;
        ~Walk() {
            if (--list->walks == 0) list->Purge();
        }

    private:
        TList* list;
    };

    class iterator {
    public:
        using value_type = Value;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        const Value& operator*() const { return link->value; }
        const Value* operator->() const { return &link->value; }
        iterator& operator++() {
            link = link->NextLink();
            return *this;
        }
        bool operator==(const iterator& other) const { return link == other.link; }

    private:
        friend class TList;
        iterator(const TList& list, Link* first) : walk(std::make_shared<Walk>(list)), link(first) {}
        std::shared_ptr<Walk> walk;
        Link* link = nullptr;
    };

    TList() = default;
    TList(const TList& other) { CopyFrom(other); }
    TList& operator=(const TList& other) {
        if (this != &other) {
            Clear();
            CopyFrom(other);
        }
        return *this;
    }
    ~TList() { FreeAll(); }

    iterator begin() const { return iterator(*this, FirstLink()); }
    iterator end() const { return iterator(); }

    bool IsEmpty() const { return live == 0; }
    int Count() const { return int(live); }

    void Clear() {
        if (walks == 0) return FreeAll();
        for (Link* l = head; l; l = l->next)
            MarkRemoved(l);
    }

    bool Contains(const Value& value) const { return FindLink(value) != nullptr; }

    Link* AddFirst(Value value) { return InsertAfter(nullptr, std::move(value)); }
    Link* AddLast(Value value) { return InsertAfter(tail, std::move(value)); }
    // Inserting next to a removed link still places the value where that link was.
    Link* InsertBeforeLink(Value value, Link* link) {
        return InsertAfter(link ? link->prev : tail, std::move(value));
    }
    Link* InsertAfterLink(Value value, Link* link) { return InsertAfter(link, std::move(value)); }

    Link* FirstLink() const { return Link::SkipRemoved(head, &Link::next); }
    Link* LastLink() const { return Link::SkipRemoved(tail, &Link::prev); }
    // The first link holding this very object (not an equal one); null when none.
    Link* FindLink(const Value& value) const {
        for (Link* l = FirstLink(); l; l = l->NextLink())
            if (l->value == value) return l;
        return nullptr;
    }

    Value First() const { return ValueOf(FirstLink()); }
    Value Last() const { return ValueOf(LastLink()); }
    Value RemoveFirst() { return Take(FirstLink()); }
    Value RemoveLast() { return Take(LastLink()); }
    // Removes the first link holding value; false when there is none.
    bool Remove(const Value& value) {
        Link* l = FindLink(value);
        if (l) RemoveLink(l);
        return l != nullptr;
    }
    void RemoveLink(Link* link) {
        if (!link || link->removed || link->owner != this) return;
        MarkRemoved(link);
        if (walks == 0) Free(link);
    }

    // Null when index is outside 0..Count()-1.
    Value ValueAtIndex(int index) const {
        if (index < 0) return nullptr;
        Link* l = FirstLink();
        for (; l && index > 0; index--)
            l = l->NextLink();
        return ValueOf(l);
    }

    std::vector<Value> ToArray() const {
        std::vector<Value> values;
        values.reserve(live);
        for (Link* l = FirstLink(); l; l = l->NextLink())
            values.push_back(l->value);
        return values;
    }

    // Stable merge sort: b goes before a only when cmp(a, b) > 0 (descending: < 0), so a
    // comparator that returns 0 or one that is not a strict order keeps the earlier first.
    void Sort(bool ascending, const Compare& cmp) {
        std::vector<Link*> links;
        links.reserve(live);
        for (Link* l = FirstLink(); l; l = l->NextLink())
            links.push_back(l);
        std::vector<Link*> scratch(links.size());
        MergeSort(links, scratch, 0, links.size(), ascending, cmp);
        Relink(links);
    }
    void Sort(const Compare& cmp) { Sort(true, cmp); }

private:
    friend class TLink<T>;

    static Value ValueOf(Link* l) { return l ? l->value : nullptr; }

    void CopyFrom(const TList& other) {
        for (Link* l = other.FirstLink(); l; l = l->NextLink())
            AddLast(l->value);
    }

    Link* InsertAfter(Link* before, Value value) {
        Link* link = new Link(this, std::move(value));
        link->prev = before;
        link->next = before ? before->next : head;
        (link->next ? link->next->prev : tail) = link;
        (before ? before->next : head) = link;
        live++;
        return link;
    }

    Value Take(Link* l) {
        if (!l) return nullptr;
        Value value = l->value;
        RemoveLink(l);
        return value;
    }

    void MarkRemoved(Link* l) {
        if (l->removed) return;
        l->removed = true;
        live--;
        pending++;
    }

    // Unlinks and deletes one removed link.
    void Free(Link* l) {
        (l->prev ? l->prev->next : head) = l->next;
        (l->next ? l->next->prev : tail) = l->prev;
        pending--;
        delete l;
    }

    void Purge() {
        for (Link* l = head; l && pending > 0;) {
            Link* next = l->next;
            if (l->removed) Free(l);
            l = next;
        }
    }

    void FreeAll() {
        for (Link* l = head; l;) {
            Link* next = l->next;
            delete l;
            l = next;
        }
        head = tail = nullptr;
        live = pending = 0;
    }

    static void MergeSort(std::vector<Link*>& v, std::vector<Link*>& scratch, size_t from, size_t to,
                          bool ascending, const Compare& cmp) {
        if (to - from < 2) return;
        size_t mid = from + (to - from) / 2;
        MergeSort(v, scratch, from, mid, ascending, cmp);
        MergeSort(v, scratch, mid, to, ascending, cmp);
        size_t i = from, j = mid, k = from;
        while (i < mid && j < to) {
            int order = cmp(v[i]->value, v[j]->value);
            bool rightFirst = ascending ? order > 0 : order < 0;
            scratch[k++] = rightFirst ? v[j++] : v[i++];
        }
        while (i < mid)
            scratch[k++] = v[i++];
        while (j < to)
            scratch[k++] = v[j++];
        for (k = from; k < to; k++)
            v[k] = scratch[k];
    }

    // Live links in their new order, then the removed ones a walk may still stand on.
    void Relink(const std::vector<Link*>& sorted) {
        std::vector<Link*> order = sorted;
        for (Link* l = head; l; l = l->next)
            if (l->removed) order.push_back(l);
        head = tail = nullptr;
        for (Link* l : order) {
            l->prev = tail;
            l->next = nullptr;
            (tail ? tail->next : head) = l;
            tail = l;
        }
    }

    Link* head = nullptr;
    Link* tail = nullptr;
    size_t live = 0;
    size_t pending = 0; // removed links still linked because a walk was active
    int walks = 0;
};

} // namespace platform
