// Links one layer of the program whole with the layers below it: a layer
// that calls into one above does not link.
int main()
{
    return 0;
}
