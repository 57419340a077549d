#pragma once

// How a text's bytes stand for its characters: one byte each in Windows-1252, or UTF-8.
enum class TextEncoding { Windows1252, Utf8 };
