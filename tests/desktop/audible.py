# How long a recording or a clip is audible: the time from its first to its last 10 ms stretch
# louder than a whisper, or with --sounding the time of all such stretches added up, which a busy
# machine's stutter (silence let into the playback) leaves as it is.
# Usage: audible.py [--sounding] FILE   (a .wav clip, or raw 16-bit stereo at 44.1 kHz)
import array
import sys
import wave

LOUD = 300  # peak sample value, of 32767


def samples(path):
    if path.endswith(".wav"):
        with wave.open(path) as w:
            if w.getsampwidth() != 2:
                raise SystemExit(f"{path}: not 16-bit")
            data = array.array("h", w.readframes(w.getnframes()))
            return data, w.getframerate() * w.getnchannels()
    data = array.array("h")
    with open(path, "rb") as f:
        data.frombytes(f.read())
    return data, 44100 * 2


def loud_windows(path):
    data, per_second = samples(path)
    window = per_second // 100
    return [i for i in range(0, len(data) - window, window) if max(map(abs, data[i:i + window])) > LOUD], window, per_second


def audible_seconds(path):
    loud, window, per_second = loud_windows(path)
    return 0.0 if not loud else (loud[-1] - loud[0] + window) / per_second


def sounding_seconds(path):
    loud, window, per_second = loud_windows(path)
    return len(loud) * window / per_second


if __name__ == "__main__":
    if sys.argv[1] == "--sounding":
        print(f"{sounding_seconds(sys.argv[2]):.2f}")
    else:
        print(f"{audible_seconds(sys.argv[1]):.2f}")
