// Script verbs of the design-time property page: the designer opens the page
// on the control and works its fields as a person would.
#include <ostream>

#include "page_view.h"
#include "script_values.h"
#include "verbs.h"

namespace folivan::console {

namespace {

// A word that is a quoted text, or the word itself.
std::string TextOf(const Line& line, const std::string& word) {
  if (!word.empty() && word.front() == '"') {
    Variant v = line.Value(word);
    if (!v.Is<std::string>()) line.Fail("expected a text: " + word);
    return v.As<std::string>();
  }
  return word;
}

PageView& OpenedPage(const Line& line) {
  if (!line.session.HasPage()) line.Fail("the property page is not open (page open)");
  return line.session.Page(line.out);
}

PageControl& FieldOf(const Line& line, PageView& view, size_t word) {
  if (line.words.size() <= word) line.Fail("expected a field of the page");
  const std::string name = TextOf(line, line.words[word]);
  PageControl* control = view.Page().Find(name);
  if (control == nullptr) line.Fail("the page has no field " + name);
  return *control;
}

void Expect(const Line& line, size_t words, const char* usage) {
  if (line.words.size() != words) line.Fail(std::string("expected: ") + usage);
}

void RunOpen(Line& line) {
  Expect(line, 2, "page open");
  line.session.Page(line.out).Open();
}

void RunTab(Line& line) {
  Expect(line, 3, "page tab General|Extended|Preview|About|Controls");
  PageView& view = OpenedPage(line);
  const std::string name = TextOf(line, line.words[2]);
  for (size_t i = 0; i < std::size(page_text::kTabs); ++i) {
    if (page_text::kTabs[i] == name) return view.Page().ShowTab(static_cast<int>(i));
  }
  line.Fail("the page has no tab " + name);
}

void RunChoose(Line& line) {
  Expect(line, 4, "page choose FIELD \"entry\"");
  PageView& view = OpenedPage(line);
  PageControl& field = FieldOf(line, view, 2);
  if (field.kind != PageControlKind::kDropDown && field.kind != PageControlKind::kList) {
    line.Fail(field.field + " is not a drop-down or a list");
  }
  const std::string entry = TextOf(line, line.words[3]);
  line.Reporting([&] { view.Page().Choose(field, entry); });
}

void RunType(Line& line) {
  Expect(line, 4, "page type FIELD \"text\"");
  PageView& view = OpenedPage(line);
  PageControl& field = FieldOf(line, view, 2);
  if (field.kind != PageControlKind::kTextBox) line.Fail(field.field + " is not a text box");
  view.Page().Type(field, TextOf(line, line.words[3]));
}

void RunClick(Line& line) {
  Expect(line, 3, "page click FIELD");
  PageView& view = OpenedPage(line);
  view.Page().Click(FieldOf(line, view, 2));
}

void RunApply(Line& line) {
  Expect(line, 2, "page apply");
  OpenedPage(line).Page().ApplyChanges();
}

void RunGet(Line& line) {
  Expect(line, 3, "page get FIELD");
  PageView& view = OpenedPage(line);
  const PageControl& field = FieldOf(line, view, 2);
  line.out << "page " << field.field << " = " << Quote(field.Shown()) << "\n";
}

void RunPage(Line& line) {
  static const Verb kSubVerbs[] = {{"open", RunOpen},   {"tab", RunTab},     {"choose", RunChoose}, {"type", RunType},
                                   {"click", RunClick}, {"apply", RunApply}, {"get", RunGet}};
  if (line.words.size() < 2) line.Fail("expected: page open|tab|choose|type|click|apply|get ...");
  for (const Verb& verb : kSubVerbs) {
    if (verb.name == line.words[1]) return verb.run(line);
  }
  line.Fail("unknown page command: " + line.words[1]);
}

}  // namespace

std::span<const Verb> PageVerbs() {
  static const Verb verbs[] = {
      {"page", RunPage},
  };
  return verbs;
}

}  // namespace folivan::console
