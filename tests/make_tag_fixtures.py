#!/usr/bin/python3
"""Writes tagged audio files for tamro's tag tests, by real encoders and
taggers: ffmpeg encodes and tags one file per format, mutagen writes the ID3
variants that ffmpeg does not (ID3v1, ID3v2.3 UTF-16, frames of encoding 0
holding bytes of old Windows code pages, APE, the ID3 chunks of WAV and AIFF).

    make_tag_fixtures.py OUTPUT_FOLDER

Every file is a twentieth of a second of silence; the names and tags are the
ones tests/tst_tags.cpp expects. Exits non-zero when a tool is missing."""

import os
import shutil
import struct
import subprocess
import sys

from mutagen import apev2, id3, aiff, wave

HOLD_BYTES = "latin-1"  # str -> the same bytes, so a frame of encoding 0 holds them


def ffmpeg(path, codec, metadata, extra=()):
    args = ["ffmpeg", "-nostdin", "-loglevel", "error", "-y",
            "-f", "lavfi", "-i", "anullsrc=r=8000:cl=mono", "-t", "0.05",
            "-c:a", codec, *extra]
    for key, value in metadata.items():
        # Bytes go to ffmpeg as they are.
        args += ["-metadata", key.encode() + b"=" + value if isinstance(value, bytes)
                 else f"{key}={value}"]
    subprocess.run(args + [path], check=True)


def silent_mp3(path, seconds="0.05"):
    """An MP3 without any tag, to be tagged by mutagen."""
    subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y",
                    "-f", "lavfi", "-i", "anullsrc=r=8000:cl=mono", "-t", seconds,
                    "-c:a", "libmp3lame", "-write_xing", "0", "-id3v2_version", "0",
                    "-write_id3v1", "0", "-map_metadata", "-1", path], check=True)


def text_frames(encoding, title, artist, album=None, track=None):
    frames = [id3.TIT2(encoding=encoding, text=title), id3.TPE1(encoding=encoding, text=artist)]
    if album is not None:
        frames.append(id3.TALB(encoding=encoding, text=album))
    if track is not None:
        frames.append(id3.TRCK(encoding=encoding, text=track))
    return frames


def id3_file(path, frames, v2_version=4, v1=0, keep_v2=True):
    silent_mp3(path)
    tags = id3.ID3()
    for frame in frames:
        tags.add(frame)
    if keep_v2:
        tags.save(path, v1=v1, v2_version=v2_version)
    else:
        # ID3v1 only: mutagen writes the v1 tag from the frames, then the v2
        # tag goes again.
        tags.save(path, v1=2, v2_version=3)
        id3.ID3(path).delete(path, delete_v1=False, delete_v2=True)


def old_windows(text, codec):
    """`text` in an old Windows code page, as a str mutagen writes byte for byte."""
    return text.encode(codec).decode(HOLD_BYTES)


def syncsafe(size):
    return bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])


def raw_id3(path, version, frames):
    """An ID3v2 tag put together byte by byte, for what no tagger writes any
    more (ID3v2.2) or never should (a lone surrogate in UTF-16)."""
    silent_mp3(path)
    with open(path, "rb") as audio:
        body = audio.read()
    with open(path, "wb") as out:
        out.write(b"ID3" + bytes([version, 0, 0]) + syncsafe(len(frames)) + frames + body)


def id3v22(path):
    """ID3v2.2: three-letter frames with three-byte sizes."""
    def frame(name, text):
        data = b"\x00" + text.encode("latin-1")
        return name + struct.pack(">I", len(data))[1:] + data

    raw_id3(path, 2, frame(b"TT2", "Old Title") + frame(b"TP1", "Old Artist") + frame(b"TRK", "7"))


def lone_surrogate(path):
    """ID3v2.3 UTF-16 whose title holds a high surrogate with no low one."""
    def frame(name, data):
        return name + struct.pack(">I", len(data)) + b"\x00\x00" + data

    title = b"\x01\xff\xfe" + "A".encode("utf-16-le") + b"\x00\xd8" + "B".encode("utf-16-le")
    artist = b"\x01\xff\xfe" + "Artist".encode("utf-16-le")
    raw_id3(path, 3, frame(b"TIT2", title) + frame(b"TPE1", artist))


def main():
    for tool in ("ffmpeg",):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing; scripts/install-deps.sh installs it")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    at = lambda name: os.path.join(out, name)

    full = {"title": "Morning Rain", "artist": "The Harbours", "album": "Blue Hour",
            "album_artist": "Various Artists", "track": "3/12", "disc": "1/2",
            "date": "2019-06-12", "genre": "Pop"}
    # ffmpeg: each container's own tags.
    ffmpeg(at("ffmpeg.mp3"), "libmp3lame", full, ["-id3v2_version", "4"])
    ffmpeg(at("ffmpeg.ogg"), "libvorbis", full)
    ffmpeg(at("ffmpeg.opus"), "libopus", full)
    ffmpeg(at("ffmpeg.flac"), "flac", full)
    ffmpeg(at("ffmpeg.m4a"), "aac", full)
    ffmpeg(at("ffmpeg.wma"), "wmav2", full)
    ffmpeg(at("ffmpeg.wav"), "pcm_s16le", {"title": "Wave Title", "artist": "Wave Artist"})
    # INFO texts keep whatever bytes they were given: here CP949's.
    ffmpeg(at("info-cp949.wav"), "pcm_s16le",
           {"title": "사랑".encode("cp949"), "artist": "김건모".encode("cp949")})
    ffmpeg(at("ffmpeg.aiff"), "pcm_s16be", full, ["-write_id3v2", "1"])
    ffmpeg(at("unicode.flac"), "flac",
           {"title": "비 오는 날", "artist": "夜の街", "album": "Ünïcödé 😀"})
    # A tagless encode: audio, no tags.
    silent_mp3(at("untagged.mp3"))

    # mutagen: ID3 in its versions and encodings.
    id3_file(at("v23-utf16.mp3"), text_frames(1, "Ночь", "Кино", "Звезда", "5")
             + [id3.TDRC(encoding=1, text="1995")], v2_version=3)
    id3_file(at("v24-utf8.mp3"), text_frames(3, "Café au lait", "Zoë", None, "11/14")
             + [id3.TDRC(encoding=3, text="1999"), id3.TCON(encoding=3, text="Jazz"),
                id3.TPE2(encoding=3, text="Zoë & Friends"), id3.TPOS(encoding=3, text="2")])
    id3_file(at("v1-only.mp3"), text_frames(0, "Plain Title", "Plain Artist", "Plain Album", "9")
             + [id3.TDRC(encoding=0, text="1987"), id3.TCON(encoding=0, text="Rock")],
             keep_v2=False)
    id3v22(at("v22.mp3"))
    lone_surrogate(at("lone-surrogate.mp3"))
    # A title but no artist.
    id3_file(at("no-artist.mp3"), [id3.TIT2(encoding=3, text="Lonely Title")])

    # Frames of encoding 0 that really hold CP949 and Shift_JIS bytes, an album
    # each, as old Windows taggers wrote them; v1 mirrors the frames.
    korean = [("사랑", "김건모", "잘못된 만남"), ("이별", "김건모", "잘못된 만남"),
              ("첫눈", "김건모", "잘못된 만남")]
    for index, (title, artist, album) in enumerate(korean, 1):
        id3_file(at(f"cp949-{index}.mp3"),
                 text_frames(0, old_windows(title, "cp949"), old_windows(artist, "cp949"),
                             old_windows(album, "cp949"), str(index)), v2_version=3, v1=2)
    japanese = [("桜の花", "松任谷由実"), ("夜明けの歌", "松任谷由実")]
    for index, (title, artist) in enumerate(japanese, 1):
        id3_file(at(f"sjis-{index}.mp3"),
                 text_frames(0, old_windows(title, "shift_jis"),
                             old_windows(artist, "shift_jis")), v2_version=3)
    # ID3v1 alone holding CP949: a 30-byte field cut inside a character.
    long_title = "1가나다라마바사아자차카타파하가"  # 31 bytes in CP949: cut inside the last
    id3_file(at("cp949-v1-cut.mp3"),
             text_frames(0, old_windows(long_title, "cp949"), old_windows("김건모", "cp949")),
             keep_v2=False)

    # Larger than a read-ahead block, with ID3v2 at its start and ID3v1 and
    # APE at its end.
    silent_mp3(at("long.mp3"), "60")
    tags = id3.ID3()
    tags.add(id3.TIT2(encoding=3, text="Long Title"))
    tags.save(at("long.mp3"), v1=2, v2_version=4)
    ape = apev2.APEv2()
    ape["Artist"] = "Long Artist"
    ape.save(at("long.mp3"))

    # APE tag on an MP3 (UTF-8 by its definition).
    silent_mp3(at("ape.mp3"))
    ape = apev2.APEv2()
    ape["Title"] = "Ape Title"
    ape["Artist"] = "Ape Artist"
    ape["Track"] = "4"
    ape.save(at("ape.mp3"))

    # The ID3 chunks of WAV and AIFF.
    ffmpeg(at("id3.wav"), "pcm_s16le", {})
    wav = wave.WAVE(at("id3.wav"))
    wav.add_tags()
    for frame in text_frames(3, "Chunk Title", "Chunk Artist"):
        wav.tags.add(frame)
    wav.save()
    ffmpeg(at("id3.aiff"), "pcm_s16be", {})
    aif = aiff.AIFF(at("id3.aiff"))
    aif.add_tags()
    for frame in text_frames(1, "Aiff Title", "Aiff Artist"):
        aif.tags.add(frame)
    aif.save()


if __name__ == "__main__":
    main()
