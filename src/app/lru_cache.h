// A cache of values by name that forgets the least recently used ones beyond a budget of bytes.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>

namespace tq {

template <typename Value>
class LruCache {
 public:
  explicit LruCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

  // The value under `key`, now the most recently used, or nullptr.
  Value* Find(const std::string& key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second.use);
    return &it->second.value;
  }
  // Keeps `value` (counted as `bytes`), forgetting the least recently used values while the
  // budget is exceeded; the new value always stays.
  Value& Put(const std::string& key, Value value, std::size_t bytes) {
    Erase(key);
    order_.push_front(key);
    auto& e = entries_.emplace(key, Entry{std::move(value), bytes, order_.begin()}).first->second;
    bytes_ += bytes;
    while (bytes_ > budget_ && order_.size() > 1) Erase(std::string(order_.back()));
    return e.value;
  }

 private:
  struct Entry {
    Value value;
    std::size_t bytes;
    std::list<std::string>::iterator use;
  };
  void Erase(const std::string& key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return;
    bytes_ -= it->second.bytes;
    order_.erase(it->second.use);
    entries_.erase(it);
  }

  std::size_t budget_;
  std::size_t bytes_ = 0;
  std::list<std::string> order_;  // most recently used first
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace tq
