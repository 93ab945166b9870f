// eq
