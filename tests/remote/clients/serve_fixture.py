"""Starts `zqfctl serve` on the virtual board on a free loopback port, in a
working folder of its own, and stops it again."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time


class Server:
    def __init__(self, zqfctl, device="ZQF7310", link="par", extra=(), files=True):
        self.work = tempfile.mkdtemp(prefix="zqf-serve-")
        self.files = os.path.join(self.work, "files")
        os.mkdir(self.files)
        args = [zqfctl, "serve", "--board", "virtual", "--link", link,
                "--listen", "127.0.0.1:0"]
        if device:
            args += ["--device", device]
        if files:
            args += ["--files", self.files]
        args += list(extra)
        self.process = subprocess.Popen(args, cwd=self.work, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        match = re.match(r"listening on 127\.0\.0\.1:(\d+)", line)
        if not match:
            self.process.kill()
            raise RuntimeError("serve did not start: %r %r" % (line, self.process.stderr.read()))
        self.port = int(match.group(1))

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        """Stops the server; it must end cleanly (under the sanitizers too)."""
        self.process.send_signal(signal.SIGTERM)
        try:
            status = self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            status = self.process.wait()
        errors = self.process.stderr.read()
        self.process.stdout.close()
        self.process.stderr.close()
        shutil.rmtree(self.work, ignore_errors=True)
        if status != 0:
            raise RuntimeError("zqfctl serve ended with %d:\n%s" % (status, errors))

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def wait_until(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.01)
    return condition()
