#pragma once
// The MPEG audio decoder: MPEG-1, MPEG-2 and MPEG-2.5, Layers I, II and III,
// into 16-bit signed or 8-bit unsigned PCM.
//
// A module of free functions over one set of module-level state: one stream at
// a time, not re-entrant. Calling order for a stream:
//   MpaInit();
//   MpaGetStreamInfo(first frame, length, &info, 1);
//   MpaStartStream(first frame, length);
//   for each frame: MpaGetStreamInfo(frame, ..., &info, 1); MpaDecodeFrame(&job);
// Layer III carries data from frame to frame, so frames go in stream order.

#include <cstdint>

// Codes kept by MpaGetLastError(). The value is never cleared by a success.
enum : int32_t {
    kMpaErrorNone = 0,
    kMpaErrorNoSync = 3,        // no sync pattern where a header must start
    kMpaErrorBadHeader = 4,     // a forbidden header value, or a useless VBR header
    kMpaErrorTooLittleData = 5, // fewer bytes than the operation needs
};

// outputFlags of MpaOptions: bits 0..1 select the channels, bit 3 the sample width.
enum : int32_t {
    kMpaChannelsBoth = 0,  // a two-channel stream gives two interleaved channels
    kMpaChannelsMix = 1,   // (left + right) / 2
    kMpaChannelsLeft = 2,
    kMpaChannelsRight = 3,
    kMpaChannelMask = 3,
    kMpaOutput8Bit = 8,    // unsigned 8-bit samples instead of signed 16-bit
};

// One frame header, the stream's output format and the frame lengths.
struct MpaFrameInfo {
    // The header fields, as coded.
    int32_t version;         // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
    int32_t layer;           // 1, 2 or 3
    int32_t crcProtected;    // 1 when a 16-bit CRC follows the header
    int32_t bitrateIndex;    // 1..14
    int32_t sampleRateIndex; // 0..2
    int32_t padding;
    int32_t privateBit;
    int32_t mode;            // 0 stereo, 1 joint stereo, 2 dual channel, 3 single channel
    int32_t modeExtension;
    int32_t copyright;
    int32_t original;
    int32_t emphasis;
    // What the decoder makes of it under the current options.
    int32_t outChannels;      // 1 or 2
    int32_t outBits;          // 8 or 16
    int32_t outRate;          // Hz, after the rate reduction
    int32_t bitrate;          // bit/s; 0 when the frame carries a VBR header
    int32_t vbrFrames;        // from a VBR header, else 0
    int32_t headerFrameSize;  // length of the frame that carries a VBR header, else 0
    int32_t vbrBytes;         // from a VBR header, else 0
    int32_t frameSize;        // bytes without the padding slot (VBR: the shortest frame)
    int32_t frameSizePadded;  // with the padding slot (VBR: the longest frame plus the slot)
    int32_t outBytesPerFrame; // PCM bytes one frame decodes to
};

// One frame's work order.
struct MpaFrameJob {
    int32_t version;
    int32_t layer;
    int32_t crcProtected;
    int32_t bitrateIndex;
    int32_t sampleRateIndex;
    int32_t padding;
    int32_t privateBit;
    int32_t mode;
    int32_t modeExtension;
    int32_t copyright;
    int32_t original;
    int32_t emphasis;
    int32_t bitrate;          // bit/s, set by MpaDecodeFrame
    const uint8_t* frame;     // the frame's first byte (its header)
    int32_t length;           // in: bytes readable at frame; out: the frame's length
    uint8_t* output;          // where the frame's PCM goes
    int32_t outputSize;       // in: bytes of room at output; out: PCM bytes per frame
};

struct MpaOptions {
    int32_t rateShift;   // 0 full rate, 1 half rate, 2 quarter rate
    int32_t outputFlags; // kMpaChannels* | kMpaOutput8Bit
    int32_t bandwidthHz; // highest frequency decoded
};

// Resets the options (full rate, both channels, 16-bit, 24000 Hz) and builds
// every table. Call once per clip, before anything else.
void MpaInit();

void MpaGetOptions(MpaOptions* options);
int32_t MpaSetOptions(const MpaOptions* options); // 1; values out of range are clamped

// Ten gains in tenths of a decibel for the bands 0..5 (one subband each),
// 6..7, 8..11, 12..19 and 20..31; null turns the equaliser off.
void MpaSetEqualizer(const int32_t* gains);

int32_t MpaGetLastError();

// Header and stream information. `length` is the number of bytes the caller
// vouches for at `bytes`; nothing past it is read.
// MpaParseHeader reads 4 bytes. It fills the header fields even when it
// refuses the header for a forbidden value; without a sync pattern it leaves
// `version` as it was.
int32_t MpaParseHeader(const uint8_t* bytes, MpaFrameInfo* info);
int32_t MpaFindSync(const uint8_t* bytes, int32_t length, int32_t* offset);
int32_t MpaGetStreamInfo(const uint8_t* bytes, int32_t length, MpaFrameInfo* info, int32_t primary);

// Prepares the decoder for the stream whose first frame is at `bytes`.
void MpaStartStream(const uint8_t* bytes, int32_t length);

// Decodes one frame into job->output. Result 1 once the frame's PCM is
// written; 0 with the last error set when nothing was written: too little
// data or room (5), a header that does not parse or does not fit the stream
// started (3, 4), or Layer III main data that lies before the first frame
// the decoder was given (5).
int32_t MpaDecodeFrame(MpaFrameJob* job);

// The bytes a frame occupies: a frame that carries a VBR header has a length
// of its own; any other frame is long or short by its padding bit.
inline int32_t MpaFrameLength(const MpaFrameInfo* info)
{
    if (info->headerFrameSize)
        return info->headerFrameSize;
    return info->padding ? info->frameSizePadded : info->frameSize;
}

// Copies the twelve header fields of `from` into a work order.
inline void MpaCopyHeaderFields(const MpaFrameInfo* from, MpaFrameJob* to)
{
    to->version = from->version;
    to->layer = from->layer;
    to->crcProtected = from->crcProtected;
    to->bitrateIndex = from->bitrateIndex;
    to->sampleRateIndex = from->sampleRateIndex;
    to->padding = from->padding;
    to->privateBit = from->privateBit;
    to->mode = from->mode;
    to->modeExtension = from->modeExtension;
    to->copyright = from->copyright;
    to->original = from->original;
    to->emphasis = from->emphasis;
}

// Chooses the frame decoder for info->layer without other set-up (Layer III:
// the reservoir is emptied); the second one selects a decoder that does nothing.
void MpaSelectLayer(const MpaFrameInfo* info);
void MpaSelectNoLayer();
