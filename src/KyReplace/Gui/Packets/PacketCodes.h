// The codes of the replace engine's packets to the front-end and of the
// front-end's replies, as 32-bit little-endian integers on the two pipes.
#pragma once

namespace Kyvant {

enum PacketCode : int {
    kPacketBegin = 400,     // int single-line flag
    kPacketEnd = 401,       // the run ended normally
    kPacketAbEnd = 402,     // the run ended abnormally
    kPacketNewFile = 403,   // a file starts
    kPacketEndFile = 404,   // int replacements made in the file
    kPacketFileName = 405,  // string: the file's name
    kPacketQuestion = 406,  // a proposed replacement (ReplPacket.h)
    kPacketTextSize = 407,  // int size of the file text that follows
    kPacketTextPiece = 408, // string: the next piece of the file text
    kPacketTextEnd = 409,   // the file text is complete
    kPacketPaused = 410,    // the engine waits for resume or stop
    kFirstPacketCode = kPacketBegin,
    kLastPacketCode = kPacketPaused,
};

enum ReplyCode : int {
    kReplyReplace = 0,
    kReplyReplaceAllFiles = 1,
    kReplyReplaceAllInFile = 2,
    kReplySkip = 3,
    kReplySkipAllFiles = 4,
    kReplySkipAllInFile = 5,
    kReplyStop = 6,
    kReplyCancel = 8,
    kReplyLineCount = 800, // followed by one more int: the lines a window shows
};

} // namespace Kyvant
