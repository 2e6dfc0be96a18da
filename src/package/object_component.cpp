#include "package/object_component.h"

#include "base/error.h"
#include "base/text.h"
#include "package/class_registry.h"
#include "package/object_text_reader.h"
#include "package/object_text_writer.h"

namespace xs {
namespace {

bool Fail(int code, bool raise) {
  XError().SetFirstError(code, 0, raise);
  return false;
}

}  // namespace

TXObjectTextHooks& ObjectTextHooks() {
  static TXObjectTextHooks hooks{
      [](const std::string& text, TPersistent& root) { ReadObjectText(text, root); },
      [](TPersistent& root) {
        auto* component = dynamic_cast<TComponent*>(&root);
        return WriteObjectText(root, component ? component->Name : std::string());
      }};
  return hooks;
}

std::string ObjClassNameOfText(const std::string& text) {
  if (!text.empty() && text[0] == 'o') {
    static const std::string kKey = "ObjClassName =";
    size_t pos = text.find(kKey);
    if (pos == std::string::npos) return {};
    size_t start = pos + kKey.size();
    std::string value = Trim(text.substr(start, text.find_first_of("\r\n", start) - start));
    if (value.size() < 2 || value.front() != '\'' || value.back() != '\'') return value;
    std::string name;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
      name += value[i];
      if (value[i] == '\'' && value[i + 1] == '\'') ++i;
    }
    return name;
  }
  static const std::string kOpen = "<p name=\"ObjClassName\">";
  size_t open = text.find(kOpen);
  if (open == std::string::npos) return {};
  size_t start = open + kOpen.size();
  size_t close = text.find("</p>", start);
  return close == std::string::npos ? std::string() : text.substr(start, close - start);
}

XS_DEFINE_CLASS(TXObjectComponent, TComponent,
    Prop("ObjClassName", &TXObjectComponent::ObjClassName, &TXObjectComponent::SetObjClassName),
    Prop("Obj", &TXObjectComponent::Obj, &TXObjectComponent::SetObj))

TXObjectComponent::TXObjectComponent(TComponent* owner) : TComponent(owner) {}

TXObjectComponent::~TXObjectComponent() = default;

void TXObjectComponent::SetObj(TPersistent* object) {
  if (object != owned_.get()) owned_.reset();
  obj_ = object;
  obj_class_ = object ? &object->ClassType() : nullptr;
  obj_class_name_ = object ? object->ClassName() : std::string();
}

std::unique_ptr<TPersistent> TXObjectComponent::TakeObj() { return std::move(owned_); }

void TXObjectComponent::ForgetObj() {
  obj_ = nullptr;
  owned_.reset();
}

void TXObjectComponent::SetObjClassName(const std::string& name) {
  if (reading_ || name == obj_class_name_) return;
  ForgetObj();
  obj_class_name_ = name;
  obj_class_ = name.empty() ? nullptr : FindObjectClass(name);
}

void TXObjectComponent::SetObjClass(const TClass* cls) {
  if (reading_ || cls == obj_class_) return;
  ForgetObj();
  obj_class_ = cls;
  obj_class_name_ = cls ? cls->Name() : std::string();
}

bool TXObjectComponent::CreateObj(const TClass* cls) {
  if (PreSet) return true;
  SetObj(nullptr);
  if (!cls) return false;
  try {
    owned_ = cls->Create();
  } catch (const std::exception&) {
    owned_.reset();
  }
  if (!owned_) return false;
  SetObj(owned_.get());
  return true;
}

bool TXObjectComponent::WriteToStream(TStream& dest, bool as_text, bool raise) {
  XError().Clear();
  try {
    // An object of a class that did not declare itself would be written, and
    // later created, as its base class.
    if (obj_ && !obj_->ClassType().IsClassOf(*obj_))
      throw Exception("class of " + obj_->ClassName() + " object not declared");
    std::string text = as_text ? WriteObjectText(*this, Name) : ObjectTextHooks().Write(*this);
    dest.SetSize(0);
    dest.SetPosition(0);
    dest.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  } catch (const std::exception&) {
    return Fail(errSave, raise);
  }
  return true;
}

bool TXObjectComponent::ReadText(const std::string& text, const TClass* cls, bool raise) {
  XError().Clear();
  bool ok = false;
  try {
    if (!PreSet && !cls) cls = FindObjectClass(ObjClassNameOfText(text));
    ok = CreateObj(cls);
    if (ok && !text.empty()) {
      reading_ = true;
      if (text[0] == 'o')
        ReadObjectText(text, *this);
      else
        ObjectTextHooks().Read(text, *this);
    }
  } catch (const std::exception&) {
    ok = false;
  }
  reading_ = false;
  if (ok) return true;
  if (owned_) SetObj(nullptr);  // never hand out a half-read object of our own
  return Fail(errLoad, raise);
}

bool TXObjectComponent::ReadFromText(const std::string& text, bool raise) {
  return ReadText(text, nullptr, raise);
}

bool TXObjectComponent::ReadFromStream(TStream& source, bool raise) {
  std::string text;
  try {
    text = ReadAllText(source);
  } catch (const std::exception&) {
    return Fail(errLoad, raise);
  }
  return ReadFromText(text, raise);
}

bool TXObjectComponent::ReadAs(TStream& source, const TClass& cls, bool raise) {
  std::string text;
  try {
    text = ReadAllText(source);
  } catch (const std::exception&) {
    return Fail(errLoad, raise);
  }
  return ReadText(text, &cls, raise);
}

bool TXObjectComponent::ReadCollectionItem(TCollection& collection, TStream& source, bool raise) {
  TCollectionItem* item = collection.Add();
  SetObj(item);
  bool was_preset = PreSet;
  PreSet = true;
  bool ok = false;
  try {
    ok = ReadAs(source, collection.ItemClass(), raise);
  } catch (...) {
    PreSet = was_preset;
    SetObj(nullptr);
    delete item;
    throw;
  }
  PreSet = was_preset;
  if (!ok) {
    SetObj(nullptr);
    delete item;
  }
  return ok;
}

std::unique_ptr<TPersistent> ReadObjectFromStream(TStream& source, TXProgressItem* progress,
                                                  bool raise) {
  TXObjectComponent root;
  bool ok = root.ReadFromStream(source, raise);
  PxFinish(progress);
  return ok ? root.TakeObj() : nullptr;
}

bool AssignFromStream(TPersistent& target, TStream& source, TXProgressItem* progress, bool raise) {
  std::unique_ptr<TPersistent> object = ReadObjectFromStream(source, progress, raise);
  if (!object) return false;
  try {
    target.Assign(*object);
  } catch (const std::exception&) {
    return Fail(errLoad, raise);
  }
  return true;
}

bool WriteObjectToStream(TPersistent& object, TStream& dest, bool as_text, bool raise,
                         TXProgressItem* progress) {
  TXObjectComponent root;
  root.SetObj(&object);
  bool ok = root.WriteToStream(dest, as_text, raise);
  PxFinish(progress);
  return ok;
}

std::string ObjectToText(TComponent& component) { return WriteObjectText(component, component.Name); }

std::unique_ptr<TComponent> ComponentFromText(const std::string& text) {
  TTextObject parsed = ParseObjectText(text);
  const TClass* cls = FindObjectClass(parsed.class_name);
  std::unique_ptr<TPersistent> object = cls ? cls->Create() : nullptr;
  if (!dynamic_cast<TComponent*>(object.get())) throw Exception("not a component class: " + parsed.class_name);
  std::unique_ptr<TComponent> component(static_cast<TComponent*>(object.release()));
  ApplyObjectText(parsed, *component);
  component->Name = parsed.name;
  return component;
}

}  // namespace xs
