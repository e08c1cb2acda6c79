"""The instrument driven by PyVISA's pure-Python backend, a client nobody here
wrote: identify, frequencies read back from the latched words, the error
queue, sweep and list, compound messages, the MMEMory folder and the limits.
Run as: /usr/bin/python3 test_pyvisa.py ZQFCTL"""

import os
import socket
import sys
import time
import unittest

import pyvisa

from serve_fixture import Server, wait_until

ZQFCTL = None


def open_session(rm, port):
    return rm.open_resource("TCPIP0::127.0.0.1::%d::SOCKET" % port, read_termination="\n",
                            write_termination="\n", timeout=5000)


def bits(word, high, low):
    return (word >> low) & ((1 << (high - low + 1)) - 1)


def word(text):
    assert text.startswith("#H"), text
    return int(text[2:], 16)


# The RF output the latched words program, from the datasheet bit tables:
# PFD = REF IN / R, RF = PFD x (INT + FRAC / MOD).
def rf_of_words(device, words, reference):
    if device in ("ZQF7310", "ZQF7320"):
        n, frac = bits(words[0], 22, 14), bits(words[0], 13, 2)
        r, mod = bits(words[1], 17, 14), bits(words[1], 13, 2)
    elif device in ("ZQF7610", "ZQF7620"):
        n, frac = bits(words[0], 23, 15), bits(words[0], 14, 3)
        r, mod = bits(words[1], 18, 15), bits(words[1], 14, 3)
    elif device == "ZQF7340":
        n, frac = bits(words[0], 26, 15), bits(words[0], 14, 3)
        r, mod = bits(words[2], 19, 15), bits(words[2], 14, 3)
    else:  # ZQF7350: a 25-bit fraction in two halves over 2^25
        n = bits(words[0], 26, 15)
        frac = bits(words[0], 14, 3) * 8192 + bits(words[1], 27, 15)
        r, mod = bits(words[2], 19, 15), 2 ** 25
    return reference / r * (n + frac / mod)


class Identify(unittest.TestCase):
    def test_idn_and_device(self):
        with Server(ZQFCTL, device="ZQF7610") as server:
            rm = pyvisa.ResourceManager("@py")
            inst = open_session(rm, server.port)
            fields = inst.query("*IDN?").split(",")
            self.assertEqual(fields[:3], ["Norvik", "ZQF7610", "0"])
            self.assertTrue(fields[3])
            self.assertEqual(inst.query("SYST:DEV?"), "ZQF7610")
            self.assertEqual(inst.query("SYST:VERS?"), "1999.0")
            self.assertEqual(inst.query("*TST?"), "0")
            inst.close()


class FrequencyReadBack(unittest.TestCase):
    CASES = [("ZQF7310", "1750.4 MHZ", 1750.4e6), ("ZQF7320", "1.6502GHZ", 1650.2e6),
             ("ZQF7340", "5800200 kHz", 5800.2e6), ("ZQF7350", "5.8002e9", 5800.2e6),
             ("ZQF7610", "1750.2MHZ", 1750.2e6), ("ZQF7620", "2.0004 GHz", 2000.4e6)]

    def test_each_device(self):
        rm = pyvisa.ResourceManager("@py")
        for device, typed, hz in self.CASES:
            with self.subTest(device=device), Server(ZQFCTL, device=device) as server:
                inst = open_session(rm, server.port)
                self.assertEqual(inst.query("FREQ %s;*OPC?" % typed), "1")
                self.assertEqual(inst.query("SYST:ERR?"), '0,"No error"')
                read_back = float(inst.query("FREQ?"))
                # The ZQF7350 reaches the nearest step of its 25-bit fraction.
                self.assertAlmostEqual(read_back, hz, delta=1.0 if device == "ZQF7350" else 0.01)
                words = [word(inst.query("REG%d?" % k)) for k in range(3)]
                reference = float(inst.query("ROSC:EXT:FREQ?"))
                self.assertAlmostEqual(rf_of_words(device, words, reference), read_back,
                                       delta=1e-3)
                inst.close()


class Errors(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(ZQFCTL, device="ZQF7310")
        cls.rm = pyvisa.ResourceManager("@py")
        cls.inst = open_session(cls.rm, cls.server.port)

    @classmethod
    def tearDownClass(cls):
        cls.inst.close()
        cls.server.stop()

    def error_after(self, command):
        self.inst.write(command)
        return self.inst.query("SYST:ERR?")

    def test_codes(self):
        cases = [("FOO:BAR 1", '-113,"Undefined header'),
                 ("FREQ", '-109,"Missing parameter'),
                 ("FREQ 1.75 GHX", '-131,"Invalid suffix'),
                 ("FREQ 6 GHZ", '-222,"Data out of range;INT = 600 does not fit its 9-bit field'),
                 ("INIT", '-221,"Settings conflict'),
                 ("SOUR2:FREQ 540 MHZ", '-241,"Hardware missing'),
                 ("REG9?", '-114,"Header suffix out of range'),
                 ("REG1 #H2BC000", '-222,"Data out of range;the address bits')]
        for command, start in cases:
            with self.subTest(command=command):
                self.assertTrue(self.error_after(command).startswith(start))
        self.assertEqual(self.inst.query("SYST:ERR?"), '0,"No error"')

    def test_refused_change_leaves_the_board_alone(self):
        self.assertEqual(self.inst.query("FREQ 1750 MHZ;*OPC?"), "1")
        before = [self.inst.query("REG%d?" % k) for k in range(3)]
        frequency = self.inst.query("FREQ?")
        self.inst.write("FREQ 6 GHZ")
        self.assertEqual([self.inst.query("REG%d?" % k) for k in range(3)], before)
        self.assertEqual(self.inst.query("FREQ?"), frequency)
        self.inst.query("SYST:ERR?")

    def test_event_status_and_overflow(self):
        self.inst.write("*CLS")
        self.inst.write("NOPE")
        self.assertEqual(int(self.inst.query("*ESR?")) & 0x20, 0x20)
        for _ in range(40):
            self.inst.write("NOPE")
        self.assertEqual(self.inst.query("SYST:ERR:COUN?"), "32")
        self.assertTrue(self.inst.query("SYST:ERR:ALL?").endswith('-350,"Queue overflow"'))
        self.assertEqual(int(self.inst.query("*STB?")) & 0x04, 0)

    def test_too_much_data(self):
        self.inst.write("FREQ " + "1" * (70 * 1024))
        self.assertTrue(self.inst.query("SYST:ERR?").startswith('-223,"Too much data'))
        self.assertTrue(self.inst.query("*IDN?").startswith("Norvik,"))


class SweepAndList(unittest.TestCase):
    def test_sweep_to_its_end(self):
        with Server(ZQFCTL) as server:
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            inst.write("FREQ:MODE SWE;:FREQ:STAR 1750 MHZ;STOP 1751 MHZ;:SWE:DWEL 10 MS")
            began = time.monotonic()
            self.assertEqual(inst.query("INIT;*OPC?"), "1")
            self.assertGreater(time.monotonic() - began, 0.04)
            r0 = word(inst.query("REG0?"))
            self.assertEqual((bits(r0, 22, 14), bits(r0, 13, 2)), (175, 5))
            self.assertEqual(inst.query("SYST:ERR?"), '0,"No error"')
            inst.close()

    def test_hop_started_and_aborted(self):
        with Server(ZQFCTL) as server:
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            inst.write("FREQ:MODE LIST;:LIST:FREQ 1850 MHZ,1860 MHZ;DWEL 5 MS;:INIT")
            time.sleep(0.2)
            inst.write("ABOR")
            rows = inst.query("BOARd:LOG? 1000").split('","')
            self.assertGreater(len(rows), 5)
            time.sleep(0.1)
            self.assertEqual(len(inst.query("BOARd:LOG? 1000").split('","')), len(rows))
            self.assertIn(bits(word(inst.query("REG0?")), 22, 14), (185, 186))
            self.assertEqual(inst.query("SYST:ERR?"), '0,"No error"')
            inst.close()


class Messages(unittest.TestCase):
    def test_compound_and_paths(self):
        with Server(ZQFCTL) as server:
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            # After FREQ:STEP the path is FREQ; after FREQ? it is the root again.
            self.assertEqual(inst.query("FREQ:STEP 100 KHZ;STEP?;:FREQ 1750.5 MHZ;*OPC?;FREQ?"),
                             "100000;1;1750500000")
            inst.write("FREQ?;STEP?")
            self.assertEqual(inst.read(), "1750500000")
            self.assertTrue(inst.query("SYST:ERR?").startswith("-113"))
            self.assertEqual(inst.query("source1:frequency:cw?;:sour:freq:fix?"),
                             "1750500000;1750500000")
            self.assertEqual(inst.query("FREQ UP;FREQ?"), "1750600000")
            self.assertEqual(inst.query("*ESE 36;*ESE?;*SRE #H20;*SRE?"), "36;32")
            inst.close()


class MassStorage(unittest.TestCase):
    def test_store_load_and_confinement(self):
        with Server(ZQFCTL, device="ZQF7340") as server:
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            self.assertEqual(inst.query('FREQ 5810 MHZ;:MMEM:STOR:STAT "plan.txt";*OPC?'), "1")
            self.assertTrue(os.path.isfile(os.path.join(server.files, "plan.txt")))
            inst.write("FREQ 5820 MHZ")
            inst.write('MMEM:LOAD:STAT "plan.txt"')
            self.assertEqual(inst.query("FREQ?"), "5810000000")
            os.symlink("/etc/hostname", os.path.join(server.files, "out.txt"))
            for name, code in (("../plan.txt", "-257"), ("/etc/passwd", "-257"),
                               ("out.txt", "-257"), ("none.txt", "-256")):
                with self.subTest(name=name):
                    inst.write('MMEM:LOAD:STAT "%s"' % name)
                    self.assertTrue(inst.query("SYST:ERR?").startswith(code))
            inst.write('MMEM:STOR:STAT "../escape.txt"')
            self.assertTrue(inst.query("SYST:ERR?").startswith("-257"))
            self.assertFalse(os.path.exists(os.path.join(server.work, "escape.txt")))
            inst.close()


class Limits(unittest.TestCase):
    def test_sixteen_clients(self):
        with Server(ZQFCTL) as server:
            rm = pyvisa.ResourceManager("@py")
            sessions = [open_session(rm, server.port) for _ in range(16)]
            for inst in sessions:
                self.assertTrue(inst.query("*IDN?").startswith("Norvik,"))
            extra = open_session(rm, server.port)
            extra.timeout = 1000
            with self.assertRaises(Exception):
                extra.query("*IDN?")
            sessions.pop().close()
            time.sleep(0.1)
            late = open_session(rm, server.port)
            self.assertTrue(late.query("*IDN?").startswith("Norvik,"))
            for inst in sessions + [late]:
                inst.close()

    def test_megabyte_line_and_vanishing_client(self):
        with Server(ZQFCTL) as server:
            raw = socket.create_connection(("127.0.0.1", server.port))
            raw.sendall(b"X" * (1024 * 1024) + b"\n*IDN?\n")
            raw.settimeout(5)
            self.assertTrue(raw.recv(4096).startswith(b"Norvik,"))
            raw.sendall(b"SYST:ERR?\n")
            self.assertTrue(raw.recv(4096).startswith(b'-223,"Too much data'))
            gone = socket.create_connection(("127.0.0.1", server.port))
            gone.sendall(b"FREQ 1750.2 MH")
            gone.close()
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            self.assertEqual(inst.query("FREQ?"), "1750000000")
            raw.close()
            inst.close()

    def test_client_that_never_reads(self):
        with Server(ZQFCTL) as server:
            greedy = socket.create_connection(("127.0.0.1", server.port))
            greedy.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
            closed = False
            try:
                for _ in range(400):
                    greedy.sendall(b"*IDN?\n" * 1000)
            except OSError:
                closed = True
            inst = open_session(pyvisa.ResourceManager("@py"), server.port)
            self.assertTrue(inst.query("*IDN?").startswith("Norvik,"))
            if not closed:
                greedy.settimeout(5)
                received = 0
                try:
                    while True:
                        chunk = greedy.recv(1 << 16)
                        if not chunk:
                            break
                        received += len(chunk)
                except OSError:
                    pass
                self.assertLess(received, 400 * 1000 * 20)
            self.assertTrue(server.alive())
            greedy.close()
            inst.close()


if __name__ == "__main__":
    ZQFCTL = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
