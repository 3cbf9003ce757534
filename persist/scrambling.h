// The repeating-key XOR that keeps the high score out of plain sight in
// High.dat. The same operation scrambles and unscrambles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The 22 character codes the key is built from.
const std::vector<std::int16_t>& keyTable();

// The text made of the characters with the given codes, in order.
std::string Codes_To_Text(const std::vector<std::int16_t>& codes);

// Text XOR Key, character by character. Key is first extended in place by
// repeating its own characters until it is at least as long as Text.
std::string Xor_Text(const std::string& text, std::string& key);
