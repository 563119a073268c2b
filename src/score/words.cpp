#include "score/words.h"

#include <cstring>

// Bytes are assembled by hand so the result is the same on any host byte order;
// floats go through memcpy of the assembled integer, never a pointer cast.

uint16_t readUint16At(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

int16_t readInt16At(const uint8_t* bytes) { return static_cast<int16_t>(readUint16At(bytes)); }

static uint32_t readUint32At(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

static void writeUint32At(uint8_t* bytes, uint32_t v) {
  bytes[0] = static_cast<uint8_t>(v);
  bytes[1] = static_cast<uint8_t>(v >> 8);
  bytes[2] = static_cast<uint8_t>(v >> 16);
  bytes[3] = static_cast<uint8_t>(v >> 24);
}

int32_t readInt32At(const uint8_t* bytes) { return static_cast<int32_t>(readUint32At(bytes)); }

float readFloatAt(const uint8_t* bytes) {
  uint32_t raw = readUint32At(bytes);
  float v;
  std::memcpy(&v, &raw, sizeof v);
  return v;
}

void writeFloatAt(uint8_t* bytes, float v) {
  uint32_t raw;
  std::memcpy(&raw, &v, sizeof raw);
  writeUint32At(bytes, raw);
}

void writeUint16At(uint8_t* bytes, uint16_t v) {
  bytes[0] = static_cast<uint8_t>(v);
  bytes[1] = static_cast<uint8_t>(v >> 8);
}

void writeInt16At(uint8_t* bytes, int16_t v) { writeUint16At(bytes, static_cast<uint16_t>(v)); }

void writeInt32At(uint8_t* bytes, int32_t v) { writeUint32At(bytes, static_cast<uint32_t>(v)); }
