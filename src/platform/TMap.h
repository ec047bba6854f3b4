// A map from texts to shared values, walked in byte order of the keys.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

template <class T> class TMap {
public:
    using Value = std::shared_ptr<T>;
    using Items = std::map<std::string, Value>;

    // Replaces any value already stored under key.
    void Insert(const std::string& key, Value value) { items[key] = std::move(value); }
    // Null when key is missing.
    Value ValueForKey(const std::string& key) const {
        auto it = items.find(key);
        return it == items.end() ? nullptr : it->second;
    }
    bool Contains(const std::string& key) const { return items.count(key) != 0; }
    // False when key was missing.
    bool Remove(const std::string& key) { return items.erase(key) != 0; }
    void Clear() { items.clear(); }
    int Count() const { return int(items.size()); }
    bool IsEmpty() const { return items.empty(); }

    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& item : items)
            keys.push_back(item.first);
        return keys;
    }
    std::vector<Value> Values() const {
        std::vector<Value> values;
        for (const auto& item : items)
            values.push_back(item.second);
        return values;
    }

    typename Items::const_iterator begin() const { return items.begin(); }
    typename Items::const_iterator end() const { return items.end(); }

private:
    Items items;
};

} // namespace platform
