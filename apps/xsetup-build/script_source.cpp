#include "script_source.h"

#include <functional>
#include <vector>

#include "base/class_info.h"
#include "base/collection.h"
#include "base/convert.h"
#include "base/text.h"
#include "package/class_registry.h"
#include "package/object_text_parser.h"
#include "package/object_text_reader.h"
#include "script/items.h"

namespace xs {

namespace {

struct Block {
  int first_line = 0;  // 1-based line of "object"
  std::string text;
};

std::string Lowered(std::string_view s) { return AsciiLowerCase(std::string(s)); }

// Splits the source into object blocks by nesting of "object"/"item" and
// "end" lines. Returns false with error on text outside a block.
bool SplitBlocks(const std::string& source, std::vector<Block>& blocks, TScriptError& error) {
  int depth = 0, line_no = 0;
  size_t pos = 0;
  while (pos <= source.size()) {
    size_t eol = source.find('\n', pos);
    std::string line = source.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos);
    pos = eol == std::string::npos ? source.size() + 1 : eol + 1;
    ++line_no;
    std::string t = Lowered(Trim(line));
    if (depth == 0) {
      if (t.empty() || t.rfind("//", 0) == 0) continue;
      if (t.rfind("object ", 0) != 0) {
        error = {line_no, "expected 'object TXObjectComponent' to start a block"};
        return false;
      }
      blocks.push_back({line_no, {}});
    }
    blocks.back().text += line + "\n";
    if (t.rfind("object ", 0) == 0 || t == "item" || t.rfind("item ", 0) == 0 || t.rfind("item[", 0) == 0) {
      ++depth;
    } else if (t.rfind("end", 0) == 0 && (t.size() == 3 || t[3] == '>')) {
      --depth;
    }
  }
  if (depth > 0) {
    error = {blocks.back().first_line, "block not closed with 'end'"};
    return false;
  }
  if (blocks.empty()) error = {0, "the script holds no object block"};
  return !blocks.empty();
}

// Collects the names of an object's defined properties.
class NameRecorder : public TXDefiner {
 public:
  std::vector<std::string> names;
  void DefineBinaryProperty(std::string_view name, const std::function<void(TStream&)>&,
                            const std::function<void(TStream&)>&, bool) override {
    names.emplace_back(name);
  }
  void DefineStringsProperty(std::string_view name, const std::function<void(std::vector<std::string>)>&,
                             const std::vector<std::string>&, bool) override {
    names.emplace_back(name);
  }
};

bool HasDefined(TPersistent& object, const std::string& name) {
  NameRecorder recorder;
  object.DefineProperties(recorder);
  for (const std::string& n : recorder.names)
    if (SameText(n, name)) return true;
  return false;
}

bool CheckProperties(const std::vector<TTextProperty>& props, TPersistent& root, const std::string& prefix,
                     int line_offset, TScriptError& error);

// Resolves path (without prefix) on object; reports an unknown name.
bool CheckPath(const TTextProperty& p, const std::string& path, TPersistent& object, int line_offset,
               TScriptError& error) {
  TPersistent* current = &object;
  size_t start = 0;
  for (;;) {
    size_t dot = path.find('.', start);
    std::string name = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    const TPropInfo* info = current->ClassType().FindProperty(name);
    if (dot == std::string::npos) {
      if (!info && !HasDefined(*current, name)) break;
      if (info && p.value.kind == TTextValue::Kind::Collection) {
        auto* collection = dynamic_cast<TCollection*>(std::get<TPersistent*>(info->Get(*current)));
        if (!collection) break;
        std::unique_ptr<TPersistent> item = collection->ItemClass().Create();
        for (const TTextItem& it : p.value.items)
          if (item && !CheckProperties(it.properties, *item, "", line_offset, error)) return false;
      }
      return true;
    }
    if (!info || info->Kind != TPropKind::Object) break;
    current = std::get<TPersistent*>(info->Get(*current));
    if (!current) break;
    start = dot + 1;
  }
  error = {line_offset + p.line, "'" + p.path + "' is not a property of " + object.ClassName()};
  return false;
}

bool CheckProperties(const std::vector<TTextProperty>& props, TPersistent& root, const std::string& prefix,
                     int line_offset, TScriptError& error) {
  for (const TTextProperty& p : props) {
    if (!prefix.empty() && SameText(p.path, "ObjClassName")) continue;
    if (!prefix.empty() && !SameText(p.path.substr(0, prefix.size()), prefix)) {
      error = {line_offset + p.line, "'" + p.path + "' does not start with " + prefix};
      return false;
    }
    if (!CheckPath(p, p.path.substr(prefix.size()), root, line_offset, error)) return false;
  }
  return true;
}

std::string ClassNameOf(const TTextObject& object) {
  for (const TTextProperty& p : object.properties)
    if (SameText(p.path, "ObjClassName") && p.value.kind == TTextValue::Kind::String) return p.value.text;
  return {};
}

// Parses one block and fills a new object of the class it names (or
// target, when given) from it.
std::unique_ptr<TPersistent> ReadBlock(const Block& block, TPersistent* target, TScriptError& error) {
  const int offset = block.first_line - 1;
  TTextObject parsed;
  try {
    parsed = ParseObjectText(block.text);
  } catch (const EParserError& e) {
    std::string message = e.what();
    size_t colon = message.find(": ");
    error = {offset + e.Line(), colon == std::string::npos ? message : message.substr(colon + 2)};
    return nullptr;
  }
  std::string class_name = ClassNameOf(parsed);
  if (class_name.empty()) {
    error = {block.first_line, "the block names no ObjClassName"};
    return nullptr;
  }
  const TClass* cls = FindObjectClass(class_name);
  std::unique_ptr<TPersistent> created;
  if (!target) {
    if (!cls || !cls->InheritsFrom(TXUICustomItem::StaticClass()) || !cls->CanCreate()) {
      error = {block.first_line, "'" + class_name + "' is not an item class"};
      return nullptr;
    }
    created = cls->Create();
    target = created.get();
  } else if (!SameText(class_name, target->ClassName())) {
    error = {block.first_line, "the first block must be a " + target->ClassName() + ", not '" + class_name + "'"};
    return nullptr;
  }
  if (!CheckProperties(parsed.properties, *target, "Obj.", offset, error)) return nullptr;
  // The checked paths all start with "Obj."; apply them to the object.
  TTextObject own = parsed;
  own.properties.clear();
  for (TTextProperty p : parsed.properties) {
    if (SameText(p.path, "ObjClassName")) continue;
    p.path = p.path.substr(4);
    own.properties.push_back(std::move(p));
  }
  try {
    ApplyObjectText(own, *target);
  } catch (const std::exception& e) {
    error = {block.first_line, e.what()};
    return nullptr;
  }
  return created ? std::move(created) : std::unique_ptr<TPersistent>();
}

}  // namespace

bool ReadScriptSource(const std::string& source, TXInstall& script, TScriptError& error,
                      std::vector<int>* block_lines) {
  std::vector<Block> blocks;
  if (!SplitBlocks(source, blocks, error)) return false;
  script.Clear();
  error = {};
  ReadBlock(blocks[0], &script, error);
  if (!error.Message.empty()) return false;
  for (size_t i = 1; i < blocks.size(); ++i) {
    std::unique_ptr<TPersistent> object = ReadBlock(blocks[i], nullptr, error);
    if (!object) return false;
    script.AddItem(std::unique_ptr<TXUICustomItem>(static_cast<TXUICustomItem*>(object.release())));
  }
  script.SplitSections();
  if (block_lines) {
    block_lines->clear();
    for (const Block& block : blocks) block_lines->push_back(block.first_line);
  }
  return true;
}

}  // namespace xs
