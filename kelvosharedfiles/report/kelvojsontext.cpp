#include "kelvojsontext.h"

#include <algorithm>
#include <numeric>

namespace {

void appendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void appendEscape(std::string& out, uint32_t unit) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += kHex[unit >> shift & 0xF];
    }
}

bool isHigh(uint32_t u) {
    return u >= 0xD800 && u < 0xDC00;
}

bool isLow(uint32_t u) {
    return u >= 0xDC00 && u < 0xE000;
}

void appendString(std::string& out, const std::u16string& units) {
    out += '"';
    for (std::size_t i = 0; i < units.size(); ++i) {
        const uint32_t u = units[i];
        switch (u) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                appendEscape(out, u);
            } else if (isHigh(u) && i + 1 < units.size() && isLow(units[i + 1])) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00));
            } else if (isHigh(u) || isLow(u)) {
                appendEscape(out, u);
            } else {
                appendUtf8(out, u);
            }
        }
    }
    out += '"';
}

} // namespace

KelvoJson KelvoJson::boolean(bool value) {
    KelvoJson json(Kind::Boolean);
    json.m_integer = value;
    return json;
}

KelvoJson KelvoJson::integer(int64_t value) {
    KelvoJson json(Kind::Integer);
    json.m_integer = value;
    return json;
}

KelvoJson KelvoJson::string(std::u16string units) {
    KelvoJson json(Kind::String);
    json.m_string = std::move(units);
    return json;
}

KelvoJson KelvoJson::latin1(const std::string& bytes) {
    return string(std::u16string(bytes.begin(), bytes.end()));
}

KelvoJson KelvoJson::latin1(const std::vector<uint8_t>& bytes) {
    return string(std::u16string(bytes.begin(), bytes.end()));
}

KelvoJson KelvoJson::array() {
    return KelvoJson(Kind::Array);
}

KelvoJson KelvoJson::object() {
    return KelvoJson(Kind::Object);
}

KelvoJson KelvoJson::integers(std::initializer_list<int64_t> values) {
    KelvoJson json = array();
    for (const int64_t v : values) {
        json.append(integer(v));
    }
    return json;
}

KelvoJson& KelvoJson::append(KelvoJson value) {
    m_items.push_back(std::move(value));
    return *this;
}

KelvoJson& KelvoJson::set(const char* key, KelvoJson value) {
    m_keys.emplace_back(key);
    m_items.push_back(std::move(value));
    return *this;
}

std::string KelvoJson::toText() const {
    std::string out;
    write(out, 0);
    out += '\n';
    return out;
}

void KelvoJson::write(std::string& out, int indent) const {
    switch (m_kind) {
    case Kind::Boolean:
        out += m_integer ? "true" : "false";
        return;
    case Kind::Integer:
        out += std::to_string(m_integer);
        return;
    case Kind::String:
        appendString(out, m_string);
        return;
    case Kind::Array:
    case Kind::Object:
        break;
    }
    const bool isObject = m_kind == Kind::Object;
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    if (isObject) {
        std::sort(order.begin(), order.end(),
                  [this](std::size_t a, std::size_t b) { return m_keys[a] < m_keys[b]; });
    }
    const std::string inner(4 * std::size_t(indent + 1), ' ');
    out += isObject ? "{\n" : "[\n";
    for (std::size_t n = 0; n < order.size(); ++n) {
        out += inner;
        if (isObject) {
            appendString(out, std::u16string(m_keys[order[n]].begin(), m_keys[order[n]].end()));
            out += ": ";
        }
        m_items[order[n]].write(out, indent + 1);
        out += n + 1 < order.size() ? ",\n" : "\n";
    }
    out.append(4 * std::size_t(indent), ' ');
    out += isObject ? '}' : ']';
}
