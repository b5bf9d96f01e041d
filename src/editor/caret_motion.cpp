#include "editor/caret_motion.h"

#include "core/win1251.h"

namespace tarnpad {
namespace {

enum class CharClass { Word, Space, Other, Break };

CharClass ClassOf(char byte) {
  if (byte == '\r' || byte == '\n') return CharClass::Break;
  if (byte == ' ' || byte == '\t') return CharClass::Space;
  const wchar_t ch = DecodeByte(static_cast<unsigned char>(byte));
  const bool word = (ch >= L'0' && ch <= L'9') || (ch >= L'A' && ch <= L'Z') ||
                    (ch >= L'a' && ch <= L'z') || ch == L'_' || (ch >= 0x0400 && ch <= 0x04FF);
  return word ? CharClass::Word : CharClass::Other;
}

CharClass ClassAt(const TextDocument& document, Position pos) {
  return ClassOf(document.ByteAt(pos));
}

}  // namespace

Position NextCharacter(const TextDocument& document, Position pos) {
  if (pos >= document.Length()) return document.Length();
  return document.ByteAt(pos) == '\r' ? pos + 2 : pos + 1;
}

Position PreviousCharacter(const TextDocument& document, Position pos) {
  if (pos <= 0) return 0;
  return pos >= 2 && document.ByteAt(pos - 1) == '\n' ? pos - 2 : pos - 1;
}

Position NextWordStart(const TextDocument& document, Position pos) {
  const Position length = document.Length();
  if (pos >= length) return length;
  if (ClassAt(document, pos) == CharClass::Break) return NextCharacter(document, pos);
  const CharClass run = ClassAt(document, pos);
  if (run != CharClass::Space) {
    while (pos < length && ClassAt(document, pos) == run) ++pos;
  }
  while (pos < length && ClassAt(document, pos) == CharClass::Space) ++pos;
  return pos;
}

Position PreviousWordStart(const TextDocument& document, Position pos) {
  if (pos <= 0) return 0;
  if (ClassAt(document, pos - 1) == CharClass::Break) return PreviousCharacter(document, pos);
  while (pos > 0 && ClassAt(document, pos - 1) == CharClass::Space) --pos;
  if (pos == 0 || ClassAt(document, pos - 1) == CharClass::Break) return pos;
  const CharClass run = ClassAt(document, pos - 1);
  while (pos > 0 && ClassAt(document, pos - 1) == run) --pos;
  return pos;
}

std::pair<Position, Position> WordAround(const TextDocument& document, Position pos) {
  const std::int64_t line = document.LineOfPosition(pos);
  const Position lineStart = document.LineStart(line);
  const Position lineEnd = document.LineEnd(line);
  if (lineStart == lineEnd) return {lineStart, lineStart};
  const Position probe = pos < lineEnd ? pos : lineEnd - 1;
  const CharClass run = ClassAt(document, probe);
  Position start = probe;
  while (start > lineStart && ClassAt(document, start - 1) == run) --start;
  Position end = probe + 1;
  while (end < lineEnd && ClassAt(document, end) == run) ++end;
  return {start, end};
}

}  // namespace tarnpad
