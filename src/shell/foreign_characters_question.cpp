#include "shell/foreign_characters_question.h"

namespace tarnpad {
namespace {

// The count's noun and the pronoun that agrees with it: "1 символ, которого",
// "2 символа, которых", "5 символов, которых", "11 символов, которых".
std::wstring CharactersWhich(std::size_t count) {
  const std::size_t last_two = count % 100;
  const std::size_t last = count % 10;
  if (last_two >= 11 && last_two <= 14) return L"символов, которых";
  if (last == 1) return L"символ, которого";
  if (last >= 2 && last <= 4) return L"символа, которых";
  return L"символов, которых";
}

}  // namespace

std::wstring ForeignCharactersQuestion(std::size_t count) {
  return L"В тексте " + std::to_wstring(count) + L" " + CharactersWhich(count) +
         L" нет в кодировке Windows-1251.\n\n"
         L"Как вставить такие символы?\n"
         L"«Ссылки» — числовыми ссылками HTML (например, &#945; вместо α)\n"
         L"«Знак ?» — знаками вопроса\n"
         L"«Отмена» — ничего не вставлять";
}

ChoiceCaptions ForeignCharactersChoices() {
  return {L"&Ссылки &&#...;", L"&Знак ?", L"Отмена"};
}

std::optional<ForeignCharacterForm> AskForeignCharacterForm(MessageBoxes& boxes,
                                                            std::size_t count) {
  switch (boxes.ShowChoice(BoxKind::Confirmation, L"Confirm", ForeignCharactersQuestion(count),
                           ForeignCharactersChoices())) {
    case BoxAnswer::Yes:
      return ForeignCharacterForm::Reference;
    case BoxAnswer::No:
      return ForeignCharacterForm::QuestionMark;
    default:
      return std::nullopt;
  }
}

}  // namespace tarnpad
