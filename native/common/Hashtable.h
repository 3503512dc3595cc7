#ifndef NSHTML_COMMON_HASHTABLE_H
#define NSHTML_COMMON_HASHTABLE_H

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

// The type in which a table takes a value from its caller: string values are copied in, so the
// caller may hand over a literal; every other value is taken as it is.
template <typename V>
struct HashtableValueParam {
  using type = V;
};
template <>
struct HashtableValueParam<char*> {
  using type = const char*;
};

template <typename K, typename V>
class Hashtable;

// A small table from string keys to values, kept as an array sorted by key (byte order) and
// searched by halving. Despite the name nothing is hashed: the tables hold a few dozen entries,
// where a sorted array is both smaller and fast enough.
//
//   IntHash table(20);
//   table.Add("b", 2); table.Add("a", 1);   // entries: a=1, b=2
//   table["a"] -> 1, table["z"] -> 0
//
// Keys are deep copies owned by the table; how values are copied, compared and released is left
// to the concrete class (IntHash, StringHash). A full array doubles (by at least 20 entries), so
// that loading n keys copies O(n) entries in all, not O(n * n / 20).
template <typename V>
class Hashtable<char*, V> {
 public:
  using ValueParam = typename HashtableValueParam<V>::type;
  struct Entry {
    char* key;
    V value;
  };

  explicit Hashtable(int capacity)
      : m_entries(new Entry[NonNegative(capacity)]()),
        m_capacity(NonNegative(capacity)),
        m_free(m_capacity) {}
  Hashtable(const Hashtable&) = delete;
  Hashtable& operator=(const Hashtable&) = delete;

  // The concrete class releases keys and values (it knows how); the array goes here.
  virtual ~Hashtable() = default;

  // Value handling supplied by the concrete class.
  virtual V Allocate(ValueParam value) = 0;
  virtual void DeAllocate(V value) = 0;
  virtual void Copy(V* slot, ValueParam value) = 0;
  virtual int Compare(const char* a, const char* b) = 0;
  virtual char* AllocateKey(const char* key) = 0;
  virtual void DeAllocateKey(char* key) = 0;
  virtual void CopyKey(char* destination, const char* source) = 0;

  // Fresh copies of all keys in key order, in an array made with calloc; release it with
  // DestroyKeySet. Null (and *count untouched) for an empty table or a null count.
  virtual char** GetKeySet(int* count) {
    if (!count || m_count == 0) {
      return nullptr;
    }
    char** keys = static_cast<char**>(calloc(m_count, sizeof(char*)));
    if (!keys) {
      return nullptr;
    }
    for (int i = 0; i < m_count; ++i) {
      keys[i] = AllocateKey(m_entries[i].key);
      CopyKey(keys[i], m_entries[i].key);
    }
    *count = m_count;
    return keys;
  }

  virtual void DestroyKeySet(char** keys, int count) {
    if (!keys) {
      return;
    }
    for (int i = 0; i < count; ++i) {
      DeAllocateKey(keys[i]);
      keys[i] = nullptr;
    }
    free(keys);
  }

  // Inserts the pair in key order, or replaces the value of a key already present.
  void Add(const char* key, ValueParam value) {
    if (!key) {
      return;
    }
    if (m_free == 0) {
      Grow();
    }
    if (Entry* entry = Find(key)) {
      // The new value is made before the old one goes, so a value taken from this very entry
      // can be stored again.
      V replacement = Allocate(value);
      Copy(&replacement, value);
      DeAllocate(entry->value);
      entry->value = replacement;
      return;
    }
    const int position = FindInsertEntry(key);
    memmove(&m_entries[position + 1], &m_entries[position], (m_count - position) * sizeof(Entry));
    Entry& entry = m_entries[position];
    entry.key = AllocateKey(key);
    CopyKey(entry.key, key);
    entry.value = Allocate(value);
    Copy(&entry.value, value);
    ++m_count;
    --m_free;
  }

  Entry* Find(const char* key) {
    if (!key) {
      return nullptr;
    }
    int low = 0;
    int high = m_count - 1;
    while (low <= high) {
      const int middle = low + (high - low) / 2;
      const int order = Compare(key, m_entries[middle].key);
      if (order == 0) {
        return &m_entries[middle];
      }
      if (order > 0) {
        low = middle + 1;
      } else {
        high = middle - 1;
      }
    }
    return nullptr;
  }

  // The value stored under key, or the zero value (0, null) when the key is absent.
  V operator[](const char* key) {
    Entry* entry = Find(key);
    return entry ? entry->value : V();
  }

  // Where key would go to keep the order: ["a", "c"] gives 1 for "b" and 2 for "d".
  int FindInsertEntry(const char* key) {
    int low = 0;
    int high = m_count - 1;
    while (low <= high) {
      const int middle = low + (high - low) / 2;
      if (Compare(key, m_entries[middle].key) > 0) {
        low = middle + 1;
      } else {
        high = middle - 1;
      }
    }
    return low;
  }

  int GetCount() const { return m_count; }
  int GetCapacity() const { return m_capacity; }
  int GetFree() const { return m_free; }
  // Entries in key order, for walks over the whole table; valid until the next Add or clear.
  const Entry* GetEntries() const { return m_entries.get(); }

 protected:
  // Releases every key and value through the concrete class and empties the table; meant for
  // the concrete destructors, where the virtual calls still reach the concrete class.
  void ReleaseEntries() {
    for (int i = 0; i < m_count; ++i) {
      DeAllocateKey(m_entries[i].key);
      DeAllocate(m_entries[i].value);
      m_entries[i] = Entry();
    }
    m_count = 0;
    m_free = m_capacity;
  }

 private:
  static constexpr int kMinimumGrowth = 20;

  static int NonNegative(int capacity) { return capacity > 0 ? capacity : 0; }

  // 20 -> 40 -> 80 ...; 0 -> 20.
  static int GrownCapacity(int capacity) {
    const int growth = capacity > kMinimumGrowth ? capacity : kMinimumGrowth;
    return capacity > INT_MAX - growth ? INT_MAX : capacity + growth;
  }

  void Grow() {
    const int capacity = GrownCapacity(m_capacity);
    std::unique_ptr<Entry[]> larger(new Entry[capacity]());
    if (m_count > 0) {
      memcpy(larger.get(), m_entries.get(), m_count * sizeof(Entry));
    }
    m_entries = std::move(larger);
    m_free += capacity - m_capacity;
    m_capacity = capacity;
  }

  int m_count = 0;
  std::unique_ptr<Entry[]> m_entries;
  int m_capacity;
  int m_free;
};

#endif  // NSHTML_COMMON_HASHTABLE_H
