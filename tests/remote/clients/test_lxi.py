"""The instrument asked by lxi-tools over raw TCP, a client nobody here wrote.
Run as: /usr/bin/python3 test_lxi.py ZQFCTL"""

import os
import subprocess
import sys
import unittest

from serve_fixture import Server

ZQFCTL = None


def lxi(port, command):
    done = subprocess.run(["lxi", "scpi", "--address", "127.0.0.1", "--port", str(port), "--raw",
                           command], capture_output=True, text=True, timeout=20)
    return done.returncode, done.stdout.strip()


class Lxi(unittest.TestCase):
    def test_identify_and_errors(self):
        with Server(ZQFCTL, device="ZQF7620") as server:
            status, answer = lxi(server.port, "*IDN?")
            self.assertEqual(status, 0)
            self.assertTrue(answer.startswith("Norvik,ZQF7620,0,"))
            status, answer = lxi(server.port, "SOUR2:FREQ 540.2MHZ;*OPC?;FREQ?")
            self.assertEqual(answer, "1;540200000")
            status, answer = lxi(server.port, "OUTP2 OFF;OUTP2?;:SOUR3:FREQ 1GHZ;:SYST:ERR?")
            self.assertEqual(answer, "0")
            status, answer = lxi(server.port, "OUTP ON;OUTP?;PHAS 5;SYST:ERR?")
            self.assertTrue(answer.startswith('1;-241,"Hardware missing'), answer)


if __name__ == "__main__":
    ZQFCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
