// Little-endian word access inside file images and library files.
// SCORE words start at byte 2 + 4k, so nothing here assumes alignment; every
// access goes through memcpy and explicit byte order, whatever the host.
#pragma once

#include <cstdint>

// Reads the little-endian unsigned 16-bit value at bytes.
uint16_t readUint16At(const uint8_t* bytes);

// Reads the little-endian signed 16-bit value at bytes.
int16_t readInt16At(const uint8_t* bytes);

// Reads the little-endian signed 32-bit integer at bytes.
int32_t readInt32At(const uint8_t* bytes);

// Reads the little-endian IEEE single-precision float at bytes.
float readFloatAt(const uint8_t* bytes);

// Writes v as a little-endian IEEE single-precision float at bytes.
void writeFloatAt(uint8_t* bytes, float v);

// Writes v as little-endian 16-bit and 32-bit integers at bytes.
void writeUint16At(uint8_t* bytes, uint16_t v);
void writeInt16At(uint8_t* bytes, int16_t v);
void writeInt32At(uint8_t* bytes, int32_t v);
