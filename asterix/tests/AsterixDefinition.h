#ifndef ASTERIX_TESTS_ASTERIXDEFINITION_H
#define ASTERIX_TESTS_ASTERIXDEFINITION_H

// A reader of the structured-text ASTERIX category definitions (tests/data/asterix-specs): each
// item's layout reduced to its size rule, and the category's UAP (or its named variations, as
// CAT001 has for plots and tracks). Only what sizing needs is kept: the descriptions, remarks
// and value tables are skipped.

#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace definition {

// One line of the text and the lines indented below it.
struct Node {
    int indent = 0;
    std::string text;
    std::vector<std::unique_ptr<Node>> children;
};

inline std::unique_ptr<Node> parseTree(const std::string& text) {
    auto root = std::make_unique<Node>();
    root->indent = -1;
    std::vector<Node*> path = {root.get()};
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        auto node = std::make_unique<Node>();
        node->indent = static_cast<int>(first);
        node->text = line.substr(first);
        while (!node->text.empty() && (node->text.back() == ' ' || node->text.back() == '\r'))
            node->text.pop_back();
        while (path.back()->indent >= node->indent)
            path.pop_back();
        Node* raw = node.get();
        path.back()->children.push_back(std::move(node));
        path.push_back(raw);
    }
    return root;
}

inline std::string firstWord(const std::string& text) {
    return text.substr(0, text.find(' '));
}

inline bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The bits of a layout whose size does not depend on its content, -1 for one that does.
inline int fixedBits(const Node& variation) {
    const std::string kind = firstWord(variation.text);
    if (kind == "element")
        return std::atoi(variation.text.c_str() + 8);
    if (kind == "group") {
        int bits = 0;
        for (const auto& child : variation.children) {
            if (startsWith(child->text, "spare ")) {
                bits += std::atoi(child->text.c_str() + 6);
                continue;
            }
            const Node* inner = nullptr;
            for (const auto& grandchild : child->children) {
                const std::string k = firstWord(grandchild->text);
                if (k == "element" || k == "group" || k == "extended" || k == "repetitive" ||
                    k == "compound" || k == "explicit")
                    inner = grandchild.get();
            }
            const int part = inner ? fixedBits(*inner) : -1;
            if (part < 0)
                return -1;
            bits += part;
        }
        return bits;
    }
    return -1;
}

// The layout below an item or subitem node (its first child that is one).
inline const Node* variationOf(const Node& item) {
    for (const auto& child : item.children) {
        const std::string kind = firstWord(child->text);
        if (kind == "element" || kind == "group" || kind == "extended" || kind == "repetitive" ||
            kind == "compound" || kind == "explicit")
            return child.get();
    }
    return nullptr;
}

// The size rule of a layout, as text that the library's rules can be compared with:
// "fixed N", "extensible, N max" (one-octet parts), "extensible, no limit",
// "repetitive N" (a one-octet count of N-octet elements), "explicit" (a length octet),
// "compound [rule; -; rule]" with "-" for a spare subfield, or what else the layout is.
inline std::string ruleOf(const Node& variation) {
    const std::string kind = firstWord(variation.text);
    if (kind == "element" || kind == "group") {
        const int bits = fixedBits(variation);
        if (bits > 0 && bits % 8 == 0)
            return "fixed " + std::to_string(bits / 8);
        return "fixed " + std::to_string(bits) + " bits";
    }
    if (kind == "explicit")
        return "explicit";
    if (kind == "extended") {
        // Parts end at "-", the FX bit; a last part without one is a whole octet.
        std::vector<int> parts;
        int bits = 0;
        bool open = false;
        for (const auto& child : variation.children) {
            if (child->text == "-") {
                parts.push_back(bits + 1);
                bits = 0;
                open = false;
                continue;
            }
            open = true;
            if (startsWith(child->text, "spare ")) {
                bits += std::atoi(child->text.c_str() + 6);
            } else {
                const Node* inner = variationOf(*child);
                bits += inner ? fixedBits(*inner) : 0;
            }
        }
        if (open)
            parts.push_back(bits);
        bool oneOctetParts = true;
        for (size_t i = 0; i < parts.size(); ++i)
            oneOctetParts = oneOctetParts && parts[i] == 8;
        if (oneOctetParts && !open)
            return "extensible, " + std::to_string(parts.size()) + " max";
        std::string text = "extended parts";
        for (int part : parts)
            text += " " + std::to_string(part) + " bits";
        return open ? text + ", last without FX" : text;
    }
    if (kind == "repetitive") {
        const Node* element = nullptr;
        for (const auto& child : variation.children)
            if (!element)
                element = child.get();
        const int bits = element ? fixedBits(*element) : -1;
        if (variation.text == "repetitive fx")
            return bits == 7 ? "extensible, no limit"
                             : "repeated with FX, " + std::to_string(bits) + " bits";
        const int counter = std::atoi(variation.text.c_str() + 11);
        if (counter != 1 || bits <= 0 || bits % 8 != 0)
            return "repetitive of " + std::to_string(bits) + " bits, counter " +
                   std::to_string(counter);
        return "repetitive " + std::to_string(bits / 8);
    }
    if (kind == "compound") {
        std::string text = "compound [";
        bool first = true;
        for (const auto& child : variation.children) {
            text += first ? "" : "; ";
            first = false;
            if (child->text == "-") {
                text += "-";
                continue;
            }
            const Node* inner = variationOf(*child);
            text += inner ? ruleOf(*inner) : "?";
        }
        return text + "]";
    }
    return "unknown layout: " + variation.text;
}

struct Category {
    bool ok = false;
    std::map<std::string, std::string> rules;  // item ("010", "SP", "RE") -> size rule
    // UAP lists by variation name ("" for a category with one UAP); "-" is a spare FRN.
    std::map<std::string, std::vector<std::string>> uaps;
};

inline Category parseCategory(const std::string& text) {
    Category category;
    const auto root = parseTree(text);
    for (const auto& top : root->children) {
        if (top->text == "items") {
            for (const auto& item : top->children) {
                const Node* variation = variationOf(*item);
                category.rules[firstWord(item->text)] =
                    variation ? ruleOf(*variation) : "no layout";
            }
        } else if (top->text == "uap") {
            for (const auto& frn : top->children)
                category.uaps[""].push_back(frn->text);
        } else if (top->text == "uaps") {
            for (const auto& section : top->children)
                if (section->text == "variations")
                    for (const auto& variation : section->children)
                        for (const auto& frn : variation->children)
                            category.uaps[variation->text].push_back(frn->text);
        }
    }
    category.ok = !category.rules.empty() && !category.uaps.empty();
    return category;
}

}  // namespace definition

#endif  // ASTERIX_TESTS_ASTERIXDEFINITION_H
