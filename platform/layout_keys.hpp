// Which key of the main block types a character, on the keyboard layouts the hosts know. The
// hosts whose toolkit reports characters rather than keys (Qt, the browser) look them up here,
// so that a character gives the virtual-key code Windows would give its key.
#pragma once

namespace tomaro::platform {

// The two layouts whose punctuation keys are told apart. They differ in which key carries
// ";", "=" and the shifted digits.
enum class KeyboardLayout { Us, Japanese };

// The virtual-key code of the key that types the character on the layout: a letter's (either
// case), a digit's, or a punctuation mark's, shifted or not; 0 for any other character.
// ro_key: the press came from the Japanese keyboard's "\ _" key beside the right Shift, whose
// "\" is also on the yen key.
int CharacterKey(char32_t character, KeyboardLayout layout, bool ro_key);

}  // namespace tomaro::platform
