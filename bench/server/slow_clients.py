#!/usr/bin/env python3
"""Holds many slow or idle connections open against a server, as an attacker
would: half send a request header one byte at a time (one byte every
--interval seconds), half connect and send nothing. Connections the server
cuts are opened again. They come from many loopback source addresses
(127.0.<a>.<b>), --per-address each, so that a per-address cap does not
simply turn them away. Runs until killed; prints the open count each second.

  slow_clients.py PORT [--count 1000] [--per-address 20] [--interval 2]
"""
import argparse
import asyncio
import sys


async def one(port, source, slow, interval, state):
    partial = b"GET /tavrio_webinterface.php?GIVEME=BUECHER HTTP/1.1\r\nHost: a\r\nX-Slow: "
    while True:
        try:
            reader, writer = await asyncio.open_connection("127.0.0.1", port, local_addr=(source, 0))
        except OSError:
            await asyncio.sleep(0.5)
            continue
        state["open"] += 1
        try:
            i = 0
            while True:
                if slow:
                    writer.write(partial[i % len(partial):i % len(partial) + 1])
                    await writer.drain()
                    i += 1
                try:
                    data = await asyncio.wait_for(reader.read(4096), timeout=interval)
                    if not data:
                        break  # the server closed it
                except asyncio.TimeoutError:
                    pass
        except (ConnectionError, OSError):
            pass
        finally:
            state["open"] -= 1
            state["cut"] += 1
            writer.close()


async def main():
    p = argparse.ArgumentParser()
    p.add_argument("port", type=int)
    p.add_argument("--count", type=int, default=1000)
    p.add_argument("--per-address", type=int, default=20)
    p.add_argument("--interval", type=float, default=2.0)
    a = p.parse_args()
    state = {"open": 0, "cut": 0}
    tasks = []
    for n in range(a.count):
        k = n // a.per_address
        source = "127.0.%d.%d" % (10 + k // 250, 1 + k % 250)
        tasks.append(asyncio.create_task(one(a.port, source, n % 2 == 0, a.interval, state)))
    while True:
        await asyncio.sleep(1)
        print("open %d cut %d" % (state["open"], state["cut"]), flush=True)


if __name__ == "__main__":
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        sys.exit(0)
