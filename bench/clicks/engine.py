"""Runs gesture lists through kirimo-script and gives, after each gesture, the
candidates a 20-row list box shows."""
import json
import subprocess

ROWS = 20      # rows the list box shows
SCROLLED = 60  # rows a user scrolls through at most


class Engine:
    def __init__(self, script_tool, ini):
        self.command = [script_tool, "--ini", ini, "--json", "--first", str(SCROLLED)]
        self.cache = {}

    def run_all(self, runs):
        """runs: tuples of gesture lines, each run starting from a cleared keypad.
        Returns {run: [visible items after each gesture]}; runs already seen come from the cache."""
        todo = [r for r in dict.fromkeys(runs) if r not in self.cache]
        if todo:
            script = []
            for run in todo:
                script.append("clear")
                script.extend(run)
            out = subprocess.run(self.command, input="\n".join(script) + "\n", capture_output=True,
                                 text=True)
            states = [json.loads(line)["items"] for line in out.stdout.splitlines()]
            if out.returncode != 0 or len(states) != len(script):
                raise RuntimeError("kirimo-script failed: " + out.stderr.strip())
            position = 0
            for run in todo:
                position += 1  # the clear
                self.cache[run] = states[position:position + len(run)]
                position += len(run)
        return {r: self.cache[r] for r in runs}

    def labels(self, gestures):
        """The cartridge names and candidate lists after each gesture (no cache)."""
        out = subprocess.run(self.command[:-2] + ["--first", "1000"], input="\n".join(gestures) + "\n",
                             capture_output=True, text=True, check=True)
        return [json.loads(line) for line in out.stdout.splitlines()]
