// JSON values written as the tools have always printed them (the indented form of Qt's JSON
// documents): members sorted by key, four spaces per level, empty arrays and objects still
// broken over two lines, strings escaped only where JSON must be and otherwise UTF-8, a UTF-16
// unit without its pair as \uXXXX.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class KelvoJson {
public:
    static KelvoJson boolean(bool value);
    static KelvoJson integer(int64_t value);
    static KelvoJson string(std::u16string units);
    // Bytes read as Latin-1 (an ASCII string among them).
    static KelvoJson latin1(const std::string& bytes);
    static KelvoJson latin1(const std::vector<uint8_t>& bytes);
    static KelvoJson array();
    static KelvoJson object();
    static KelvoJson integers(std::initializer_list<int64_t> values);

    // Adds an element to an array.
    KelvoJson& append(KelvoJson value);
    // Adds a member to an object; keys are unique.
    KelvoJson& set(const char* key, KelvoJson value);

    // The document: the value, then a line break.
    std::string toText() const;

private:
    enum class Kind { Boolean, Integer, String, Array, Object };

    explicit KelvoJson(Kind kind) : m_kind(kind) {}
    void write(std::string& out, int indent) const;

    Kind m_kind;
    int64_t m_integer = 0;
    std::u16string m_string;
    std::vector<std::string> m_keys; // of an object's members, in the order they were set
    std::vector<KelvoJson> m_items;
};
